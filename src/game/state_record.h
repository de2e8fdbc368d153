// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A game's state as a value: a small versioned text record of `key=value`
// lines, the version line first. Doubles are written in hexadecimal so they
// read back bit for bit. The reader trusts nothing: a record from disk may be
// cut short, edited or from another program, and any fault is refused with a
// message that says what was wrong.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class StateRecord {
 public:
  static constexpr int kVersion = 1;
  static constexpr std::string_view kMagic = "quintaro-state";
  static constexpr std::size_t kMaxBytes = 64 * 1024;
  static constexpr std::size_t kMaxKey = 40;
  static constexpr std::size_t kMaxValue = 4096;

  void SetText(std::string_view key, std::string_view value);
  void SetInt(std::string_view key, long long value);
  void SetInts(std::string_view key, const std::vector<int>& values);
  void SetDouble(std::string_view key, double value);
  void SetDoubles(std::string_view key, const std::vector<double>& values);

  bool Has(std::string_view key) const { return m_values.contains(std::string(key)); }
  const std::string* Find(std::string_view key) const;
  const std::map<std::string, std::string>& Values() const { return m_values; }

  // The record as text: the version line, then one line per key, sorted.
  std::string Write() const;
  // Reads `text`; on failure returns nothing and says why in `error`.
  // `maxBytes` is the longest text accepted (a replay's input is longer than a state).
  static std::optional<StateRecord> Read(std::string_view text, std::string& error, std::size_t maxBytes = kMaxBytes);

 private:
  std::map<std::string, std::string> m_values;
};

// Typed reads from a record with one sticky error: the first missing key or
// value out of range is kept, later reads return a safe default, and Ok()
// tells the caller whether everything it read was good.
class StateReader {
 public:
  explicit StateReader(const StateRecord& record) : m_record(record) {}

  int Int(std::string_view key, int lo, int hi);
  bool Bool(std::string_view key) { return Int(key, 0, 1) != 0; }
  std::vector<int> Ints(std::string_view key, std::size_t count, int lo, int hi);
  double Double(std::string_view key, double lo, double hi);
  std::vector<double> Doubles(std::string_view key, std::size_t count, double lo, double hi);
  std::string Text(std::string_view key, std::size_t maxBytes);

  bool Ok() const { return m_error.empty(); }
  const std::string& Error() const { return m_error; }
  // Marks the record as bad for a reason of the caller's (a rule it breaks).
  void Fail(const std::string& why);

 private:
  const std::string* Need(std::string_view key);
  // `count` numbers under `key`, each parsed and between lo and hi.
  template <typename T, typename Parse>
  std::vector<T> Numbers(std::string_view key, std::size_t count, T lo, T hi, const std::string& fault, Parse parse);

  const StateRecord& m_record;
  std::string m_error;
};
