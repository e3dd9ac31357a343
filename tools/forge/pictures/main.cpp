// quirkvale-forge: draws every picture and renders every font of the game.
//   quirkvale-forge <Images folder> [--sheets <folder for contact sheets>]
#include <cstdio>
#include <cstring>
#include <string>

#include "ContactSheets.h"
#include "FontForge.h"
#include "Icons.h"
#include "SystemPictures.h"
#include "parts/PartSprites.h"

namespace {

int Fail(const char* what) {
  std::fprintf(stderr, "quirkvale-forge: %s failed\n", what);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && !(argc == 4 && std::strcmp(argv[2], "--sheets") == 0)) {
    std::fprintf(stderr, "usage: quirkvale-forge <Images folder> [--sheets <folder>]\n");
    return 2;
  }
  const std::string images = argv[1];
  const std::string fontDir = QV_FONT_DIR;
  if (!qv::forge::ForgeFonts(images, fontDir)) return Fail("fonts");
  if (!qv::forge::ForgeSystemPictures(images, fontDir)) return Fail("system pictures");
  if (!qv::forge::ForgeIcons(images)) return Fail("icons");
  if (!qv::forge::ForgePartSprites(images)) return Fail("part sprites");
  if (argc == 4 && !qv::forge::WriteContactSheets(images, argv[3])) return Fail("contact sheets");
  return 0;
}
