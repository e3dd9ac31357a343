#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "BmpRead.h"

namespace qv::forge {

// A plain RGB picture the contact sheets are composed on; pictures and text
// are put on it the way the game draws them, at any whole-number scale.
class Canvas {
 public:
  Canvas(int width, int height);
  int Width() const { return width_; }
  int Height() const { return height_; }

  void Fill(int x, int y, int w, int h, std::uint8_t r, std::uint8_t g, std::uint8_t b);
  void Checker(int x, int y, int w, int h, int cell);
  // Mixes one pixel; opacity 255 covers it.
  void Blend(int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b, int opacity);
  void DrawPicture(const Picture& pic, int x, int y, int scale, bool mirrored = false);
  // One line of text as the game's font drawing places it: spaces advance half
  // a cell, others by their width record plus spacing; style 1 adds a black
  // shadow one pixel right and down. Returns the width advanced (unscaled).
  int DrawText(const FontPreview& font, int spacing, int x, int y, const std::string& text,
               std::uint8_t r, std::uint8_t g, std::uint8_t b, bool shadow, int scale);
  void Read(int x, int y, std::uint8_t* r, std::uint8_t* g, std::uint8_t* b) const;
  bool SavePng(const std::string& path) const;

 private:
  int DrawGlyph(const FontPreview& font, int x, int y, int c, std::uint8_t r, std::uint8_t g,
                std::uint8_t b, int scale);
  void BlendBlock(int x, int y, int scale, std::uint8_t r, std::uint8_t g, std::uint8_t b,
                  int opacity);

  int width_;
  int height_;
  std::vector<std::uint8_t> rgb_;
};

// TextWidth of the game's font for a line.
int TextWidth(const FontPreview& font, int spacing, const std::string& text);

}  // namespace qv::forge
