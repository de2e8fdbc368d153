// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/net_message.h"

#include <algorithm>

namespace {

constexpr std::string_view kMagic = "qn1 ";

bool IsControl(unsigned char c) { return c < 0x20 || c == 0x7f; }

// Takes the next line (without its newline) off the front of `text`; the last
// line may end without one.
std::string_view TakeLine(std::string_view& text) {
  const std::size_t end = text.find('\n');
  const std::string_view line = text.substr(0, end);
  text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  return line;
}

bool ReadField(std::string_view line, NetMessage& message, std::string& error) {
  const std::size_t eq = line.find('=');
  if (eq == std::string_view::npos) {
    error = "a field line has no '='";
    return false;
  }
  const std::string_view key = line.substr(0, eq), value = line.substr(eq + 1);
  if (!NetKeyIsValid(key)) {
    error = "a field's key is not 1 to 24 of a-z, 0-9 and _";
    return false;
  }
  if (!NetValueIsValid(value)) {
    error = "a field's value is over 256 bytes or holds a control character";
    return false;
  }
  if (message.Field(key)) {
    error = "a field's key comes twice";
    return false;
  }
  if (message.fields.size() == kMaxNetFields) {
    error = "more than 32 fields";
    return false;
  }
  message.fields.emplace_back(key, value);
  return true;
}

}  // namespace

const std::string* NetMessage::Field(std::string_view key) const {
  for (const auto& [k, v] : fields)
    if (k == key) return &v;
  return nullptr;
}

std::string NetMessage::Get(std::string_view key, std::string_view fallback) const {
  const std::string* value = Field(key);
  return value ? *value : std::string(fallback);
}

bool NetTypeIsValid(std::string_view type) {
  return !type.empty() && type.size() <= kMaxNetTypeBytes &&
         std::all_of(type.begin(), type.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

bool NetKeyIsValid(std::string_view key) {
  return !key.empty() && key.size() <= kMaxNetKeyBytes && std::all_of(key.begin(), key.end(), [](char c) {
           return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
         });
}

bool NetValueIsValid(std::string_view value) {
  return value.size() <= kMaxNetValueBytes &&
         std::none_of(value.begin(), value.end(), [](char c) { return IsControl(static_cast<unsigned char>(c)); });
}

bool NetMessageIsValid(const NetMessage& message) {
  if (!NetTypeIsValid(message.type) || message.fields.size() > kMaxNetFields) return false;
  for (std::size_t i = 0; i < message.fields.size(); ++i) {
    const auto& [key, value] = message.fields[i];
    if (!NetKeyIsValid(key) || !NetValueIsValid(value)) return false;
    for (std::size_t j = 0; j < i; ++j)
      if (message.fields[j].first == key) return false;
  }
  return EncodeNetMessage(message).size() <= kMaxNetMessageBytes;
}

std::string EncodeNetMessage(const NetMessage& message) {
  std::size_t size = kMagic.size() + message.type.size() + 2 + message.body.size();
  for (const auto& [key, value] : message.fields) size += key.size() + value.size() + 2;
  std::string text;
  text.reserve(size);
  text.append(kMagic).append(message.type).push_back('\n');
  for (const auto& [key, value] : message.fields) text.append(key).append(1, '=').append(value).push_back('\n');
  if (!message.body.empty()) text.append(1, '\n').append(message.body);
  return text;
}

std::optional<NetMessage> DecodeNetMessage(std::string_view text, std::string& error) {
  if (text.size() > kMaxNetMessageBytes) {
    error = "the message is over 64 KiB";
    return std::nullopt;
  }
  if (!text.starts_with(kMagic)) {
    error = "the message does not start with 'qn1 '";
    return std::nullopt;
  }
  NetMessage message;
  std::string_view rest = text.substr(kMagic.size());
  message.type = TakeLine(rest);
  if (!NetTypeIsValid(message.type)) {
    error = "the message type is not 1 to 16 of a-z";
    return std::nullopt;
  }
  while (!rest.empty()) {
    const std::string_view line = TakeLine(rest);
    if (line.empty()) {
      message.body = rest;
      break;
    }
    if (!ReadField(line, message, error)) return std::nullopt;
  }
  return message;
}
