// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/settings_backup.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "platform/settings_file.h"

namespace fs = std::filesystem;

namespace {

constexpr int kMaxSameSecondCopies = 100;
constexpr std::size_t kStampLength = 15;  // YYYYMMDD-HHMMSS

std::string CopyPrefix(const fs::path& target) { return target.filename().string() + ".bad-"; }

std::string Stamp(std::time_t now) {
  std::tm local{};
  localtime_r(&now, &local);
  std::array<char, 32> text{};
  std::strftime(text.data(), text.size(), "%Y%m%d-%H%M%S", &local);
  return text.data();
}

bool SameContent(const fs::path& a, const fs::path& b) {
  std::error_code ec1, ec2;
  if (fs::file_size(a, ec1) != fs::file_size(b, ec2) || ec1 || ec2) return false;
  std::ifstream inA(a, std::ios::binary), inB(b, std::ios::binary);
  std::array<char, 1 << 16> bufA{}, bufB{};
  while (inA && inB) {
    inA.read(bufA.data(), bufA.size());
    inB.read(bufB.data(), bufB.size());
    if (inA.gcount() != inB.gcount() ||
        !std::equal(bufA.begin(), bufA.begin() + inA.gcount(), bufB.begin()))
      return false;
  }
  return inA.eof() && inB.eof();
}

// The stamp sorts by time; a later copy within the same second carries a
// number after it ("-2", "-3", ...).
std::pair<std::string, int> AgeOrder(const fs::path& copy, const std::string& prefix) {
  const std::string rest = copy.filename().string().substr(prefix.size());
  const std::string stamp = rest.substr(0, kStampLength);
  int number = 1;
  if (rest.size() > kStampLength + 1) number = std::atoi(rest.c_str() + kStampLength + 1);
  return {stamp, number};
}

// An empty copy is what a failed copy of an earlier version left: a file we
// could not read is never empty, so such a copy holds nothing of the user's.
bool IsEmptyLeftover(const fs::directory_entry& entry) {
  std::error_code ec;
  return entry.is_regular_file(ec) && entry.file_size(ec) == 0 && !ec;
}

void RemoveAllButNewest(const fs::path& target, std::size_t keep) {
  const std::vector<fs::path> copies = BadCopiesOf(target);
  std::error_code ec;
  for (std::size_t i = 0; i + keep < copies.size(); ++i) fs::remove(copies[i], ec);
  const std::string prefix = CopyPrefix(target);
  const fs::path dir = target.parent_path().empty() ? fs::path(".") : target.parent_path();
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code removeError;
    if (it->path().filename().string().starts_with(prefix) && IsEmptyLeftover(*it)) fs::remove(it->path(), removeError);
  }
}

}  // namespace

std::vector<fs::path> BadCopiesOf(const fs::path& file) {
  const fs::path target = FollowSymlinks(file);
  const fs::path dir = target.parent_path().empty() ? fs::path(".") : target.parent_path();
  const std::string prefix = CopyPrefix(target);
  std::vector<fs::path> copies;
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    std::error_code entryError;
    if (name.starts_with(prefix) && it->is_regular_file(entryError) && !IsEmptyLeftover(*it))
      copies.push_back(it->path());
  }
  std::sort(copies.begin(), copies.end(), [&prefix](const fs::path& a, const fs::path& b) {
    return AgeOrder(a, prefix) < AgeOrder(b, prefix);
  });
  return copies;
}

BadCopy KeepBadCopy(const fs::path& file, std::time_t now, std::size_t keep) {
  const fs::path target = FollowSymlinks(file);
  const std::vector<fs::path> existing = BadCopiesOf(target);
  if (!existing.empty() && SameContent(existing.back(), target)) return {true, existing.back(), {}};
  const std::string stamp = Stamp(now);
  const fs::path base = target.parent_path() / (CopyPrefix(target) + stamp);
  // A later copy within the same second takes the next number, even when
  // older ones of that second were removed already.
  int first = 1;
  for (const fs::path& copy : existing) {
    const auto [copyStamp, number] = AgeOrder(copy, CopyPrefix(target));
    if (copyStamp == stamp) first = std::max(first, number + 1);
  }
  std::error_code ec;
  for (int n = first; n <= kMaxSameSecondCopies; ++n) {
    std::string numbered = base.string();
    if (n > 1) numbered.append(1, '-').append(std::to_string(n));
    const fs::path name = numbered;
    if (fs::exists(fs::symlink_status(name, ec))) continue;
    if (std::string failed = CopyFileWhole(target, name); !failed.empty()) return {false, {}, std::move(failed)};
    RemoveAllButNewest(target, std::max<std::size_t>(keep, 1));
    return {true, name, {}};
  }
  return {false, {}, "too many copies within one second"};
}
