// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/state_record.h"

#include <cctype>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

bool KeyCharOk(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '.';
}

bool KeyOk(std::string_view key) {
  if (key.empty() || key.size() > StateRecord::kMaxKey) return false;
  for (char c : key)
    if (!KeyCharOk(c)) return false;
  return true;
}

// Values are one line of printable bytes (UTF-8 names included), never a control character.
bool ValueOk(std::string_view value) {
  if (value.size() > StateRecord::kMaxValue) return false;
  for (char c : value)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
  return true;
}

// Hexadecimal without the 0x ("1.8p+1"), so the value reads back bit for bit.
// printf and strtod rather than to_chars: not every standard library has the
// floating-point forms of to_chars and from_chars.
std::string DoubleText(double value) {
  if (!std::isfinite(value)) return "0p+0";
  char buf[64];
  const int n = std::snprintf(buf, sizeof buf, "%a", value);
  if (n <= 0 || static_cast<std::size_t>(n) >= sizeof buf) return "0p+0";
  std::string text(buf, static_cast<std::size_t>(n));
  const std::size_t prefix = text.find("0x");
  if (prefix != std::string::npos) text.erase(prefix, 2);
  return text;
}

// Splits a list of words on single spaces; empty words are kept (and later refused).
std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  if (text.empty()) return words;
  for (;;) {
    const auto space = text.find(' ');
    words.push_back(text.substr(0, space));
    if (space == std::string_view::npos) break;
    text.remove_prefix(space + 1);
  }
  return words;
}

std::optional<long long> ParseInt(std::string_view word) {
  long long value = 0;
  const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (ec != std::errc{} || end != word.data() + word.size() || word.empty()) return std::nullopt;
  return value;
}

std::optional<double> ParseDouble(std::string_view word) {
  const bool negative = !word.empty() && word.front() == '-';
  const std::string_view digits = negative ? word.substr(1) : word;
  if (digits.empty() || digits.size() > 40 || digits.front() == '+' || digits.front() == '-') return std::nullopt;
  for (char c : digits)
    if (!std::isxdigit(static_cast<unsigned char>(c)) && c != '.' && c != 'p' && c != '+' && c != '-') return std::nullopt;
  const std::string text = std::string(negative ? "-0x" : "0x") + std::string(digits);
  char* end = nullptr;
  errno = 0;
  const double value = std::strtod(text.c_str(), &end);
  if (errno != 0 || end != text.c_str() + text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace

void StateRecord::SetText(std::string_view key, std::string_view value) {
  if (!KeyOk(key)) return;
  std::string clean;
  for (char c : value.substr(0, kMaxValue))
    if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) clean += c;
  m_values[std::string(key)] = std::move(clean);
}

void StateRecord::SetInt(std::string_view key, long long value) { SetText(key, std::to_string(value)); }

void StateRecord::SetInts(std::string_view key, const std::vector<int>& values) {
  std::string text;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i) text += ' ';
    text += std::to_string(values[i]);
  }
  SetText(key, text);
}

void StateRecord::SetDouble(std::string_view key, double value) { SetText(key, DoubleText(value)); }

void StateRecord::SetDoubles(std::string_view key, const std::vector<double>& values) {
  std::string text;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i) text += ' ';
    text += DoubleText(values[i]);
  }
  SetText(key, text);
}

const std::string* StateRecord::Find(std::string_view key) const {
  const auto it = m_values.find(std::string(key));
  return it == m_values.end() ? nullptr : &it->second;
}

std::string StateRecord::Write() const {
  std::string text(kMagic);
  text.append(" ").append(std::to_string(kVersion)).append("\n");
  for (const auto& [key, value] : m_values) text.append(key).append("=").append(value).append("\n");
  return text;
}

std::optional<StateRecord> StateRecord::Read(std::string_view text, std::string& error, std::size_t maxBytes) {
  if (text.size() > maxBytes) {
    error = "the record is longer than " + std::to_string(maxBytes) + " bytes";
    return std::nullopt;
  }
  const std::string head = std::string(kMagic) + " ";
  const auto eol = text.find('\n');
  const std::string_view first = text.substr(0, eol);
  if (first.substr(0, head.size()) != head) {
    error = "not a game record (the first line does not start with \"" + head + "\")";
    return std::nullopt;
  }
  if (ParseInt(first.substr(head.size())) != kVersion) {
    error = "a game record of another version (" + std::string(first.substr(head.size(), 20)) + "; this program reads " +
            std::to_string(kVersion) + ")";
    return std::nullopt;
  }
  StateRecord record;
  std::size_t lineNo = 1;
  for (std::string_view rest = eol == std::string_view::npos ? std::string_view{} : text.substr(eol + 1);
       !rest.empty();) {
    ++lineNo;
    const auto end = rest.find('\n');
    const std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    const auto eq = line.find('=');
    const std::string where = "line " + std::to_string(lineNo) + ": ";
    if (eq == std::string_view::npos || !KeyOk(line.substr(0, eq))) {
      error = where + "not a key=value line";
      return std::nullopt;
    }
    const std::string key(line.substr(0, eq));
    const std::string_view value = line.substr(eq + 1);
    if (!ValueOk(value)) {
      error = where + "the value of " + key + " is too long or holds a control character";
      return std::nullopt;
    }
    if (!record.m_values.emplace(key, std::string(value)).second) {
      error = where + key + " is given twice";
      return std::nullopt;
    }
  }
  return record;
}

void StateReader::Fail(const std::string& why) {
  if (m_error.empty()) m_error = why;
}

const std::string* StateReader::Need(std::string_view key) {
  if (!Ok()) return nullptr;
  const std::string* value = m_record.Find(key);
  if (!value) Fail("missing " + std::string(key));
  return value;
}

int StateReader::Int(std::string_view key, int lo, int hi) {
  const auto ints = Ints(key, 1, lo, hi);
  return ints.empty() ? lo : ints[0];
}

template <typename T, typename Parse>
std::vector<T> StateReader::Numbers(std::string_view key, std::size_t count, T lo, T hi, const std::string& fault,
                                    Parse parse) {
  std::vector<T> out(count, lo);
  const std::string* text = Need(key);
  if (!text) return out;
  const auto words = Words(*text);
  if (words.size() != count) {
    Fail(std::string(key) + " holds " + std::to_string(words.size()) + " numbers, not " + std::to_string(count));
    return out;
  }
  for (std::size_t i = 0; i < count; ++i) {
    const std::optional<T> value = parse(words[i]);
    if (!value || *value < lo || *value > hi) {
      Fail(std::string(key) + fault);
      return std::vector<T>(count, lo);
    }
    out[i] = *value;
  }
  return out;
}

std::vector<int> StateReader::Ints(std::string_view key, std::size_t count, int lo, int hi) {
  const std::string fault = " is not a whole number from " + std::to_string(lo) + " to " + std::to_string(hi);
  return Numbers<int>(key, count, lo, hi, fault, [](std::string_view word) -> std::optional<int> {
    const auto value = ParseInt(word);
    if (!value || *value < INT_MIN || *value > INT_MAX) return std::nullopt;
    return static_cast<int>(*value);
  });
}

double StateReader::Double(std::string_view key, double lo, double hi) {
  const auto values = Doubles(key, 1, lo, hi);
  return values.empty() ? lo : values[0];
}

std::vector<double> StateReader::Doubles(std::string_view key, std::size_t count, double lo, double hi) {
  return Numbers<double>(key, count, lo, hi, " is not a number in its range", [](std::string_view word) { return ParseDouble(word); });
}

std::string StateReader::Text(std::string_view key, std::size_t maxBytes) {
  const std::string* text = Need(key);
  if (!text) return {};
  if (text->size() > maxBytes) {
    Fail(std::string(key) + " is longer than " + std::to_string(maxBytes) + " bytes");
    return {};
  }
  return *text;
}
