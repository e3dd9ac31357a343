#pragma once
#include <cairo.h>

#include <string>
#include <vector>

namespace qv::forge {

// One picture being drawn: a Cairo ARGB32 surface of the picture's size.
// Draw with Cr(); Save writes the game's picture and its "A_" companion.
class Frame {
 public:
  Frame(int width, int height);
  ~Frame();
  Frame(const Frame&) = delete;
  Frame& operator=(const Frame&) = delete;

  cairo_t* Cr() { return cr_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

  // Colour of pixel (x, y) unpremultiplied, and its opacity 0..255.
  void Pixel(int x, int y, unsigned char* r, unsigned char* g, unsigned char* b,
             unsigned char* a) const;

  // Writes root + relPath (a game path with backslashes, such as
  // "bomb\\bomb_0003.bmp") as a 24-bit BMP and, when withAlpha, the "A_"
  // companion beside it as an 8-bit grey BMP. Opacity below fringeCutoff is
  // dropped to 0 in the companion so collision masks have no stray pixels;
  // fully transparent pixels are stored black in the picture.
  // alphaRelPath overrides the companion's name (some sets name it in
  // another letter case).
  bool Save(const std::string& root, const std::string& relPath, bool withAlpha = true,
            int fringeCutoff = 32, const std::string& alphaRelPath = "") const;

 private:
  int width_;
  int height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

// Companion name: "A_" in front of the file name, same folder.
std::string AlphaName(const std::string& relPath);
// relPath with backslashes turned into '/', joined to root.
std::string HostPath(const std::string& root, const std::string& relPath);

}  // namespace qv::forge
