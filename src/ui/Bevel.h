#pragma once
#include <cstdint>
#include <vector>

#include "physics/Geometry.h"

namespace qv {

class Screen;
class Surface;

// One DrawTo call of a tiled panel background: where the tile goes and how far
// it may reach (0 = the whole tile).
struct PanelTile {
  int x = 0;
  int y = 0;
  int maxWidth = 0;
  int maxHeight = 0;
};

// The tiles that cover a w x h area at (x, y) with a tileWidth x tileHeight
// texture: full tiles, then a cut column and row for the remainders.
std::vector<PanelTile> PanelTiles(int x, int y, int w, int h, int tileWidth, int tileHeight);

// Raised panel of the widget's rectangle: the dialog texture (or, when the
// widget is transparent, a blended grey) and a two-line bevel.
void DrawPanel(const Screen& widget);
void DrawPanel(Surface& target, const Box& rect, bool transparent, std::uint8_t opacity);

// Button background and bevel, raised or pressed.
void DrawButtonFrame(const Screen& widget, bool pressed);
void DrawButtonFrame(Surface& target, const Box& rect, bool pressed, bool transparent,
                     std::uint8_t opacity);

}  // namespace qv
