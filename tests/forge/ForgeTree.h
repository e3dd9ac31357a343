#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "BmpRead.h"

namespace qv::test {

// The Images folder the build forged.
inline std::string ForgedImages() {
  return QV_FORGE_IMAGES;
}

// Host path of a game path such as "Z_System\\Cursor1.bmp".
inline std::string ForgedPath(const std::string& rel) {
  std::string p = rel;
  for (char& c : p) {
    if (c == '\\') c = '/';
  }
  return ForgedImages() + "/" + p;
}

// The alpha companion of a host path, found as the game finds it (ignoring
// case); empty when there is none.
inline std::string CompanionOf(const std::string& path) {
  std::size_t slash = path.find_last_of('/');
  return qv::forge::FindNoCase(path.substr(0, slash + 1) + "A_" + path.substr(slash + 1));
}

// Bits per pixel from a BMP header, 0 when the file is not a BMP.
int BitCount(const std::string& path);

}  // namespace qv::test
