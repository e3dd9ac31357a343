#include "puzzle/ShippedLevels.h"

#include <cstring>

#include "util/Folders.h"

namespace qv {

bool MatchShippedLevelPath(const char* path, int* number) {
  if (path == nullptr) return false;
  const ByteString folder = ProgramFolder();
  const std::size_t prefix = folder.Length();
  if (std::strncmp(path, folder.Text(), prefix) != 0) return false;
  const char* p = path + prefix;
  if (std::strncmp(p, "Levels", 6) != 0 || (p[6] != '\\' && p[6] != '/')) return false;
  p += 7;
  if (std::strncmp(p, "Level", 5) != 0) return false;
  p += 5;
  // %02d reads at most two digits.
  int n = 0;
  int digits = 0;
  while (digits < 2 && p[digits] >= '0' && p[digits] <= '9') {
    n = n * 10 + (p[digits] - '0');
    ++digits;
  }
  if (digits == 0 || std::strcmp(p + digits, ".pzl") != 0) return false;
  *number = n;
  return true;
}

bool ShippedLevelChecksum(int n, std::uint32_t* expected) {
  if (n < 1 || n > kShippedLevelCount) return false;
  const std::uint32_t entry = ShippedLevelTable()[n - 1];
  if ((entry & kShippedLevelPresent) == 0) return false;
  *expected = entry;
  return true;
}

}  // namespace qv
