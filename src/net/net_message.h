// SPDX-License-Identifier: GPL-3.0-or-later
// One message between the online rooms server and its clients: a type, up to
// 32 ordered key=value fields and an optional body, as plain text.
//
//   qn1 TYPE
//   key=value
//
//   BODY
//
// Plain C++ with no dependencies, so the program, the page and the server
// read and write messages with the same code.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct NetMessage {
  std::string type;
  std::vector<std::pair<std::string, std::string>> fields;  // in order
  std::string body;
  const std::string* Field(std::string_view key) const;  // nullptr when absent
  std::string Get(std::string_view key, std::string_view fallback = {}) const;
};

inline constexpr std::size_t kMaxNetMessageBytes = 64 * 1024;
inline constexpr std::size_t kMaxNetTypeBytes = 16;
inline constexpr std::size_t kMaxNetFields = 32;
inline constexpr std::size_t kMaxNetKeyBytes = 24;
inline constexpr std::size_t kMaxNetValueBytes = 256;

// Writes the message; a message that would not read back (a bad type, key or
// value) still writes, so check it with NetMessageIsValid where it matters.
std::string EncodeNetMessage(const NetMessage&);
// Reads one whole message, or says in `error` why it cannot.
std::optional<NetMessage> DecodeNetMessage(std::string_view, std::string& error);

bool NetTypeIsValid(std::string_view type);
bool NetKeyIsValid(std::string_view key);
bool NetValueIsValid(std::string_view value);
// True when EncodeNetMessage writes text DecodeNetMessage reads back as the same message.
bool NetMessageIsValid(const NetMessage&);
