#pragma once
#include <string>

#include "gfx/FontWriter.h"

namespace qv::forge {

// One of the game's fonts: which face it is rendered from and at what size.
struct FontSpec {
  const char* relPath;   // game path under Images
  const char* faceFile;  // file name in the font folder
  const char* faceName;  // stored in the font description
  int pixelSize;         // em size in pixels
  bool bold;
};

// The big, small and menu fonts.
const FontSpec* FontSpecs(int* count);

// Renders the characters 32..127 of spec into a glyph sheet with its width
// records. False when the face cannot be opened.
bool RenderFont(const FontSpec& spec, const std::string& fontDir, FontFileData* out);

// Renders and writes every font into imagesRoot.
bool ForgeFonts(const std::string& imagesRoot, const std::string& fontDir);

}  // namespace qv::forge
