#pragma once
#include <string>

namespace qv::forge {

// A picture of Z_System: its size and whether it has an "A_" companion.
struct SystemPicture {
  const char* name;
  int width;
  int height;
  bool withAlpha;
};
const SystemPicture* SystemPictures(int* count);

// Hot spot of the rope and belt cursors (the board draws them this far up and
// left of the cursor point).
constexpr int kCursorHotX = 11;
constexpr int kCursorHotY = 3;

// Draws the dialog texture, the loading and menu pictures, cursors, badges
// and the tutorial arrow into imagesRoot/Z_System.
bool ForgeSystemPictures(const std::string& imagesRoot, const std::string& fontDir);

}  // namespace qv::forge
