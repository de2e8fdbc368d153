// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/mo_catalog.h"

#include <cstdint>

namespace {

constexpr std::uint32_t kMagic = 0x950412de;

// A 32-bit word of the catalog, in the byte order its magic number says.
struct Reader {
  std::string_view bytes;
  bool swapped = false;
  bool Word(std::size_t at, std::uint32_t* out) const {
    if (at > bytes.size() || bytes.size() - at < 4) return false;
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    if (swapped) v = (v >> 24) | ((v >> 8) & 0xFF00) | ((v << 8) & 0xFF0000) | (v << 24);
    *out = v;
    return true;
  }
  // The string a table entry points at; false when it lies outside the file.
  bool Text(std::size_t entry, std::string_view* out) const {
    std::uint32_t length = 0, offset = 0;
    if (!Word(entry, &length) || !Word(entry + 4, &offset)) return false;
    if (offset > bytes.size() || bytes.size() - offset < length) return false;
    *out = bytes.substr(offset, length);
    return true;
  }
};

std::vector<std::string> SplitAtNul(std::string_view text) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find('\0', start);
    parts.emplace_back(text.substr(start, end == std::string_view::npos ? text.npos : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

}  // namespace

bool MoCatalog::Load(std::string_view bytes) {
  m_texts.clear();
  Reader r{bytes};
  std::uint32_t magic = 0, count = 0, originals = 0, translations = 0;
  if (!r.Word(0, &magic)) return false;
  if (magic != kMagic) {
    r.swapped = true;
    if (!r.Word(0, &magic) || magic != kMagic) return false;
  }
  if (!r.Word(8, &count) || !r.Word(12, &originals) || !r.Word(16, &translations)) return false;
  for (std::uint32_t i = 0; i < count; ++i) {
    std::string_view original, translated;
    if (!r.Text(originals + 8ull * i, &original) || !r.Text(translations + 8ull * i, &translated)) {
      m_texts.clear();
      return false;
    }
    // A counted text is stored as "one\0many"; it is looked up by the first.
    const std::string key(original.substr(0, original.find('\0')));
    if (!key.empty()) m_texts[key] = SplitAtNul(translated);
  }
  return true;
}

const char* MoCatalog::Find(const char* msgid, std::size_t form) const {
  const auto it = m_texts.find(msgid);
  if (it == m_texts.end() || it->second.empty()) return nullptr;
  const std::string& text = it->second[std::min(form, it->second.size() - 1)];
  return text.empty() ? nullptr : text.c_str();
}

std::size_t PluralForm(std::string_view language, unsigned long n) {
  if (language == "fr") return n > 1 ? 1 : 0;
  return n != 1 ? 1 : 0;
}
