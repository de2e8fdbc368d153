// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/shown_text.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <vector>

#include "platform/i18n.h"

namespace {

// Deep enough for a result inside a prompt inside a line; names are never
// taken apart further.
constexpr int kMaxDepth = 4;

bool IsSpec(std::string_view f, std::size_t i) { return i + 1 < f.size() && f[i] == '%' && (f[i + 1] == 's' || f[i + 1] == 'd'); }

// Whether `text` from `ti` on is `format` from `fi` on, the parts filled in
// `parts` (which keeps them on success).
bool Match(std::string_view format, std::size_t fi, std::string_view text, std::size_t ti,
           std::vector<std::string_view>& parts) {
  while (fi < format.size() && !IsSpec(format, fi)) {
    if (ti >= text.size() || format[fi] != text[ti]) return false;
    ++fi;
    ++ti;
  }
  if (fi == format.size()) return ti == text.size();
  const bool number = format[fi + 1] == 'd';
  for (std::size_t end = ti + 1; end <= text.size(); ++end) {
    if (number) {
      const char c = text[end - 1];
      const bool sign = end - 1 == ti && c == '-';
      if (!sign && !std::isdigit(static_cast<unsigned char>(c))) break;
      if (sign) continue;
    }
    parts.push_back(text.substr(ti, end - ti));
    if (Match(format, fi + 2, text, end, parts)) return true;
    parts.pop_back();
  }
  return false;
}

std::size_t LiteralLength(const char* format) {
  std::size_t n = 0;
  const std::string_view f(format);
  for (std::size_t i = 0; i < f.size(); ++i) {
    if (IsSpec(f, i)) ++i;
    else ++n;
  }
  return n;
}

// The formats with parts, the most specific (the most fixed text) first.
const std::vector<const ShownFormat*>& FormatsByLiteral() {
  static const std::vector<const ShownFormat*> sorted = [] {
    std::vector<const ShownFormat*> v;
    for (const ShownFormat& f : ShownFormats()) {
      if (std::strstr(f.one, "%s") || std::strstr(f.one, "%d")) v.push_back(&f);
    }
    std::stable_sort(v.begin(), v.end(),
                     [](const ShownFormat* a, const ShownFormat* b) { return LiteralLength(a->one) > LiteralLength(b->one); });
    return v;
  }();
  return sorted;
}

std::string Translate(std::string_view english, int depth);

std::string Fill(std::string_view format, const std::vector<std::string_view>& parts, int depth) {
  std::string out;
  std::size_t next = 0;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (IsSpec(format, i) && next < parts.size()) {
      out += format[i + 1] == 's' ? Translate(parts[next], depth + 1) : std::string(parts[next]);
      ++next;
      ++i;
    } else {
      out += format[i];
    }
  }
  return out;
}

unsigned long CountOf(const ShownFormat& f, const std::vector<std::string_view>& parts) {
  const std::string_view one(f.one);
  std::size_t part = 0;
  for (std::size_t i = 0; i < one.size(); ++i) {
    if (!IsSpec(one, i)) continue;
    if (one[i + 1] == 'd') return std::strtoul(std::string(parts[part]).c_str(), nullptr, 10);
    ++part;
    ++i;
  }
  return 0;
}

std::string Translate(std::string_view english, int depth) {
  const std::string whole = Tr(english);
  if (whole != english || depth > kMaxDepth) return whole;
  std::vector<std::string_view> parts;
  for (const ShownFormat* f : FormatsByLiteral()) {
    for (const char* form : {f->one, f->many}) {
      if (!form || !Match(form, 0, english, 0, parts)) continue;
      const char* translated = f->many ? TrN(f->one, f->many, CountOf(*f, parts)) : Tr(f->one);
      return Fill(translated, parts, depth);
    }
  }
  return whole;
}

}  // namespace

std::string TranslateShownText(std::string_view english) { return Translate(english, 0); }

void InstallShownTextTranslator() { SetShownTextTranslator(&TranslateShownText); }
