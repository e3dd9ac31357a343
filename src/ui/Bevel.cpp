#include "ui/Bevel.h"

#include "gfx/Surface.h"
#include "ui/Screen.h"
#include "ui/UiResources.h"

namespace qv {
namespace {

constexpr std::uint8_t kFaceGrey = 167;

void Grey(Surface& s, int x0, int y0, int x1, int y1, std::uint8_t v) {
  s.DrawLine(x0, y0, x1, y1, v, v, v);
}

void RaisedBevel(Surface& s, int x, int y, int w, int h) {
  Grey(s, x, y, x + w, y, 200);
  Grey(s, x, y, x, y + h, 200);
  Grey(s, x + 1, y + 1, x + w - 2, y + 1, 180);
  Grey(s, x + 1, y + 1, x + 1, y + h - 2, 180);
  Grey(s, x, y + h, x + w, y + h, 50);
  Grey(s, x + w, y, x + w, y + h, 50);
  Grey(s, x + 1, y + h - 1, x + w - 1, y + h - 1, 130);
  Grey(s, x + w - 1, y + 1, x + w - 1, y + h - 1, 130);
}

// The pressed look: a black top-left edge and the raised bevel, less its
// dark outer edge, shifted one pixel right and down.
void PressedBevel(Surface& s, int x, int y, int w, int h) {
  Grey(s, x, y, x + w, y, 0);
  Grey(s, x, y, x, y + h, 0);
  x += 1;
  y += 1;
  Grey(s, x, y, x + w, y, 200);
  Grey(s, x, y, x, y + h, 200);
  Grey(s, x + 1, y + 1, x + w - 2, y + 1, 180);
  Grey(s, x + 1, y + 1, x + 1, y + h - 2, 180);
  Grey(s, x + 1, y + h - 1, x + w - 1, y + h - 1, 130);
  Grey(s, x + w - 1, y + 1, x + w - 1, y + h - 1, 130);
}

}  // namespace

std::vector<PanelTile> PanelTiles(int x, int y, int w, int h, int tileWidth, int tileHeight) {
  std::vector<PanelTile> tiles;
  if (tileWidth <= 0 || tileHeight <= 0 || w <= 0 || h <= 0) return tiles;
  const int nx = w / tileWidth, ny = h / tileHeight;
  const int rx = w - nx * tileWidth, ry = h - ny * tileHeight;
  for (int i = 0; i <= ny; ++i) {
    if (i == ny && ry == 0) continue;
    for (int j = 0; j <= nx; ++j) {
      if (j == nx && rx == 0) continue;
      tiles.push_back({x + j * tileWidth, y + i * tileHeight, j == nx ? rx : 0, i == ny ? ry : 0});
    }
  }
  return tiles;
}

void DrawPanel(Surface& target, const Box& rect, bool transparent, std::uint8_t opacity) {
  const int x = rect.x.ToInt(), y = rect.y.ToInt(), w = rect.w.ToInt(), h = rect.h.ToInt();
  if (transparent) {
    target.FillRectAlpha(x, y, w, h, kFaceGrey, kFaceGrey, kFaceGrey, opacity);
  } else if (const Surface* texture = DialogTexture()) {
    for (const PanelTile& t : PanelTiles(x, y, w, h, texture->Width(), texture->Height()))
      texture->DrawTo(target, t.x, t.y, t.maxWidth, t.maxHeight, 0);
  }
  RaisedBevel(target, x, y, w, h);
}

void DrawPanel(const Screen& widget) {
  if (Surface* target = BackBuffer())
    DrawPanel(*target, widget.GetRect(), widget.IsTransparent(), widget.Opacity());
}

void DrawButtonFrame(Surface& target, const Box& rect, bool pressed, bool transparent,
                     std::uint8_t opacity) {
  const int x = rect.x.ToInt(), y = rect.y.ToInt(), w = rect.w.ToInt(), h = rect.h.ToInt();
  if (transparent) {
    target.FillRectAlpha(x, y, w, h, kFaceGrey, kFaceGrey, kFaceGrey, opacity);
  } else {
    target.FillRect(x, y, w, h, kFaceGrey, kFaceGrey, kFaceGrey);
  }
  if (pressed) {
    PressedBevel(target, x, y, w, h);
  } else {
    RaisedBevel(target, x, y, w, h);
  }
}

void DrawButtonFrame(const Screen& widget, bool pressed) {
  if (Surface* target = BackBuffer())
    DrawButtonFrame(*target, widget.GetRect(), pressed, widget.IsTransparent(), widget.Opacity());
}

}  // namespace qv
