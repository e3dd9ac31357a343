#include "SystemPictures.h"

#include <cmath>

#include "Frame.h"
#include "PartArt.h"
#include "Style.h"
#include "TitleText.h"

namespace qv::forge {
namespace {

using namespace style;
using namespace style::ink;

const SystemPicture kPictures[] = {
    {"DlgTexture.bmp", 32, 32, true},    {"Logo240x320.bmp", 240, 320, true},
    {"Menu240x320.bmp", 240, 320, true}, {"Cursor1.bmp", 11, 17, true},
    {"Cursor2.bmp", 23, 22, true},       {"Cursor3.bmp", 23, 22, true},
    {"Locker.bmp", 9, 11, true},         {"Target.bmp", 10, 10, true},
    {"next.bmp", 24, 20, false},
};

// The board's editing background, which the opaque arrow's corners match.
constexpr Rgb kBoardBlue = {128 / 255.0, 128 / 255.0, 1.0};

// A small repeatable hash so the texture's grain is the same on every run.
double Grain(int x, int y) {
  unsigned h = static_cast<unsigned>(x) * 374761393u + static_cast<unsigned>(y) * 668265263u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return ((h ^ (h >> 16)) & 1023) / 1023.0 - 0.5;
}

void DrawTexture(Frame& f) {
  cairo_t* cr = f.Cr();
  const int n = f.Width();
  for (int y = 0; y < n; ++y) {
    for (int x = 0; x < n; ++x) {
      // Every term repeats over n pixels, so the tile joins without a seam.
      double weave = std::sin(2 * M_PI * (x + y) / n) * std::sin(2 * M_PI * (x - y) / n);
      double v = 0.035 * weave + 0.025 * Grain(x, y) + 0.02 * std::cos(4 * M_PI * y / n);
      Rgb c = {0.25 + v, 0.27 + v, 0.44 + v * 1.2};
      cairo_rectangle(cr, x, y, 1, 1);
      SetColour(cr, c);
      cairo_fill(cr);
    }
  }
}

void Sky(cairo_t* cr, double height, Rgb top, Rgb bottom) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, height);
  cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, p);
  cairo_paint(cr);
  cairo_pattern_destroy(p);
}

void Cloud(cairo_t* cr, double x, double y, double s) {
  Ellipse(cr, x, y, 12 * s, 6 * s);
  Ellipse(cr, x - 9 * s, y + 2 * s, 8 * s, 5 * s);
  Ellipse(cr, x + 9 * s, y + 2 * s, 9 * s, 5 * s);
  Ellipse(cr, x + 2 * s, y - 4 * s, 8 * s, 6 * s);
  SetColour(cr, kWhite, 0.85);
  cairo_fill(cr);
}

// The title, centred on cx with its baseline at y.
// Top, middle and bottom colours of the title's letters.
struct TitleColours {
  Rgb top, middle, bottom;
};
constexpr TitleColours kWarmTitle = {Hex(0xfff58c), Hex(0xffcc29), Hex(0xf5731a)};
constexpr TitleColours kCoolTitle = {Hex(0xeefbff), Hex(0x8fdcff), Hex(0x3a86e8)};

void Title(cairo_t* cr, const std::string& fontDir, double cx, double y, double size,
           const TitleColours& colours) {
  const std::string face = fontDir + "/DejaVuSans-Bold.ttf";
  const double tracking = size * 0.02;
  const double wave = size * 0.06;
  cairo_new_path(cr);
  double w = TitlePath(cr, face, "Quirkvale", 0, 0, size, tracking, wave);
  cairo_new_path(cr);
  double x = cx - w / 2;
  for (int pass = 0; pass < 3; ++pass) {
    cairo_new_path(cr);
    double dy = pass == 0 ? size * 0.06 : 0;
    TitlePath(cr, face, "Quirkvale", x + dy * 0.6, y + dy, size, tracking, wave);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    if (pass == 0) {  // drop shadow
      SetColour(cr, kOutline, 0.55);
      cairo_set_line_width(cr, size * 0.16);
      cairo_stroke_preserve(cr);
      cairo_fill(cr);
    } else if (pass == 1) {
      SetColour(cr, kOutline);
      cairo_set_line_width(cr, size * 0.14);
      cairo_stroke(cr);
    } else {
      cairo_pattern_t* p = cairo_pattern_create_linear(0, y - size * 0.75, 0, y + size * 0.05);
      const Rgb stops[3] = {colours.top, colours.middle, colours.bottom};
      for (int k = 0; k < 3; ++k) {
        cairo_pattern_add_color_stop_rgb(p, k * 0.5, stops[k].r, stops[k].g, stops[k].b);
      }
      cairo_set_source(cr, p);
      cairo_fill_preserve(cr);
      cairo_pattern_destroy(p);
      SetColour(cr, kWhite, 0.55);
      cairo_set_line_width(cr, size * 0.025);
      cairo_save(cr);
      cairo_translate(cr, -size * 0.012, -size * 0.012);
      cairo_stroke(cr);
      cairo_restore(cr);
    }
  }
  cairo_new_path(cr);
}

void GrassStrip(cairo_t* cr, double y, double h, double width) {
  cairo_rectangle(cr, -2, y + 4, width + 4, h);
  FillLit(cr, kBrown, 1.5);
  cairo_move_to(cr, -2, y + 6);
  for (int i = 0; i <= width / 4 + 1; ++i) cairo_line_to(cr, i * 4, y + (i % 2 ? -1 : 3));
  cairo_line_to(cr, width + 2, y + 8);
  cairo_line_to(cr, -2, y + 8);
  cairo_close_path(cr);
  FillLit(cr, kGreen, 1.5);
}

void RopeCurve(cairo_t* cr, double x0, double y0, double cx, double cy, double x1, double y1) {
  for (int pass = 0; pass < 2; ++pass) {
    cairo_move_to(cr, x0, y0);
    cairo_curve_to(cr, cx, cy, cx, cy, x1, y1);
    SetColour(cr, pass ? kWood : kOutline);
    cairo_set_line_width(cr, pass ? 1.4 : 3);
    cairo_stroke(cr);
  }
}

// Speed lines trailing to the right of (x, y).
void Motion(cairo_t* cr, double x, double y) {
  for (int i = 0; i < 3; ++i) {
    cairo_move_to(cr, x + 12 + i * 2, y - 4 + i * 4);
    cairo_line_to(cr, x + 24 + i * 3, y - 4 + i * 4);
  }
  SetColour(cr, kWhite, 0.9);
  cairo_set_line_width(cr, 1.5);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
}

void DrawLogo(Frame& f, const std::string& fontDir) {
  cairo_t* cr = f.Cr();
  Sky(cr, 290, Hex(0x2f7fd6), Hex(0x9fd8ff));
  Cloud(cr, 196, 62, 1.0);
  Cloud(cr, 200, 190, 0.7);
  Title(cr, fontDir, 120, 100, 40, kWarmTitle);
  // The scene: a balloon lifting a bucket over a pulley, a ball on a lever,
  // a rabbit after its carrot, a candle by a bomb, an ostrich looking on.
  PlaceArt(cr, Art::kRopeBlock, 105, 116, 30, 1.6);
  RopeCurve(cr, 45, 178, 60, 150, 109.6, 134);
  RopeCurve(cr, 130.4, 134, 130.5, 150, 130.6, 170);
  PlaceArt(cr, Art::kBalloon, 20, 128, 50, 1.8);
  PlaceArt(cr, Art::kTennisBall, 124, 170, 14, 1.2);
  PlaceArt(cr, Art::kBucket, 110.6, 168, 40, 1.8);
  Motion(cr, 196, 150);
  PlaceArt(cr, Art::kTennisBall, 198, 142, 18, 1.3);
  GrassStrip(cr, 262, 60, 240);
  PlaceArt(cr, Art::kLever, 4, 215, 56, 1.8);
  PlaceArt(cr, Art::kFootball, 3, 225, 22, 1.5);
  PlaceArt(cr, Art::kRabbit, 62, 224, 40, 1.7);
  PlaceArt(cr, Art::kCarrot, 98, 244, 20, 1.4);
  PlaceArt(cr, Art::kCandle, 120, 235, 30, 1.6);
  PlaceArt(cr, Art::kBomb, 148, 230, 36, 1.8);
  PlaceArt(cr, Art::kOstrich, 192, 216, 48, 1.8);
  // The line of small text at the bottom sits on calm dark soil.
  cairo_rectangle(cr, 0, 284, 240, 36);
  SetColour(cr, Hex(0x4a2a17));
  cairo_fill(cr);
  cairo_rectangle(cr, 0, 284, 240, 1.5);
  SetColour(cr, kOutline);
  cairo_fill(cr);
}

void Panel(cairo_t* cr, double x, double y, double w, double h) {
  RoundedRect(cr, x, y, w, h, 6);
  SetColour(cr, Hex(0x1f2446), 0.9);
  cairo_fill_preserve(cr);
  SetColour(cr, kOutline);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  RoundedRect(cr, x + 2, y + 2, w - 4, h - 4, 4.5);
  SetColour(cr, kWhite, 0.25);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

void DrawMenu(Frame& f, const std::string& fontDir) {
  cairo_t* cr = f.Cr();
  Sky(cr, 320, Hex(0xff9a1f), Hex(0xffd27a));
  // Sun rays behind the title.
  cairo_save(cr);
  cairo_translate(cr, 120, 40);
  for (int i = 0; i < 16; ++i) {
    double a = M_PI * i / 8;
    cairo_move_to(cr, 0, 0);
    cairo_arc(cr, 0, 0, 400, a, a + M_PI / 16);
    cairo_close_path(cr);
  }
  SetColour(cr, kWhite, 0.13);
  cairo_fill(cr);
  cairo_restore(cr);
  Title(cr, fontDir, 120, 60, 39, kCoolTitle);
  // A shelf of parts under the title.
  RoundedRect(cr, 8, 124, 224, 7, 3);
  FillLit(cr, kWood, 1.5);
  PlaceArt(cr, Art::kFootball, 14, 96, 28, 1.6);
  PlaceArt(cr, Art::kBomb, 44, 92, 32, 1.6);
  PlaceArt(cr, Art::kBucket, 78, 94, 30, 1.6);
  PlaceArt(cr, Art::kCandle, 108, 94, 30, 1.6);
  PlaceArt(cr, Art::kPinion, 136, 96, 28, 1.6);
  PlaceArt(cr, Art::kTennisBall, 166, 106, 18, 1.4);
  PlaceArt(cr, Art::kOstrich, 186, 82, 42, 1.8);
  // The entries stand right-aligned at x = 112 from y = 147; the description
  // types out from (140, 172): both on calm dark panels.
  Panel(cr, 8, 140, 114, 176);
  Panel(cr, 132, 164, 102, 84);
  PlaceArt(cr, Art::kRabbit, 140, 262, 40, 1.7);
  PlaceArt(cr, Art::kCarrot, 186, 286, 26, 1.5);
  PlaceArt(cr, Art::kBalloon, 200, 246, 34, 1.6);
}

void DrawPointer(Frame& f) {
  cairo_t* cr = f.Cr();
  // The tip sits on pixel (0, 0), the hot spot.
  cairo_move_to(cr, 0.5, 0.5);
  cairo_line_to(cr, 0.5, 14);
  cairo_line_to(cr, 3.8, 11);
  cairo_line_to(cr, 6.3, 16.3);
  cairo_line_to(cr, 8.4, 15.3);
  cairo_line_to(cr, 6, 10.2);
  cairo_line_to(cr, 10.3, 10.2);
  cairo_close_path(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  SetColour(cr, kWhite);
  cairo_fill_preserve(cr);
  SetColour(cr, kOutline);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

// Rope and belt cursors: cross hairs centred on the hot spot, with a coil of
// rope or a loop of belt hanging below it.
void DrawTieCursor(Frame& f, bool belt) {
  cairo_t* cr = f.Cr();
  const double hx = kCursorHotX + 0.5, hy = kCursorHotY + 0.5;
  Rgb c = belt ? kPurple : kWood;
  for (int pass = 0; pass < 2; ++pass) {
    cairo_new_path(cr);
    if (belt) {
      Ellipse(cr, hx, 14, 7, 4.5);
    } else {
      for (int i = 0; i < 3; ++i) Ellipse(cr, hx, 13 + i * 1.6, 6 - i * 1.5, 4 - i * 0.9);
    }
    cairo_move_to(cr, hx, hy + 3);
    cairo_line_to(cr, hx, 9.5);
    SetColour(cr, pass ? c : kOutline);
    cairo_set_line_width(cr, pass ? 1.4 : 3.2);
    cairo_stroke(cr);
  }
  for (int pass = 0; pass < 2; ++pass) {
    cairo_new_path(cr);
    cairo_arc(cr, hx, hy, 2.6, 0, 2 * M_PI);
    cairo_move_to(cr, hx - 6, hy);
    cairo_line_to(cr, hx - 3.5, hy);
    cairo_move_to(cr, hx + 3.5, hy);
    cairo_line_to(cr, hx + 6, hy);
    SetColour(cr, pass ? kYellow : kOutline);
    cairo_set_line_width(cr, pass ? 1 : 2.6);
    cairo_stroke(cr);
  }
}

void DrawLocker(Frame& f) {
  cairo_t* cr = f.Cr();
  for (int pass = 0; pass < 2; ++pass) {
    cairo_new_path(cr);
    cairo_move_to(cr, 2.5, 5.5);
    cairo_arc(cr, 4.5, 3.5, 2, M_PI, 2 * M_PI);
    cairo_line_to(cr, 6.5, 5.5);
    SetColour(cr, pass ? kSteel : kOutline);
    cairo_set_line_width(cr, pass ? 1 : 2.6);
    cairo_stroke(cr);
  }
  RoundedRect(cr, 0.5, 5, 8, 5.5, 1);
  FillLit(cr, kYellow, 1);
  cairo_rectangle(cr, 4, 7, 1, 2);
  SetColour(cr, kOutline);
  cairo_fill(cr);
}

void DrawTargetBadge(Frame& f) {
  cairo_t* cr = f.Cr();
  const Rgb rings[] = {kWhite, kRed, kWhite, kRed};
  for (int i = 0; i < 4; ++i) {
    cairo_arc(cr, 5, 5, 4.5 - i * 1.15, 0, 2 * M_PI);
    SetColour(cr, rings[i]);
    if (i == 0) {
      cairo_fill_preserve(cr);
      SetColour(cr, kOutline);
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
    } else {
      cairo_fill(cr);
    }
  }
}

void DrawNext(Frame& f) {
  cairo_t* cr = f.Cr();
  SetColour(cr, kBoardBlue);
  cairo_paint(cr);
  RoundedRect(cr, 0.5, 0.5, 23, 19, 5);
  FillLit(cr, kGreen, 1);
  cairo_move_to(cr, 6, 7.5);
  cairo_line_to(cr, 12, 7.5);
  cairo_line_to(cr, 12, 4);
  cairo_line_to(cr, 19, 10);
  cairo_line_to(cr, 12, 16);
  cairo_line_to(cr, 12, 12.5);
  cairo_line_to(cr, 6, 12.5);
  cairo_close_path(cr);
  FillFlat(cr, kWhite, 1);
}

bool Save(const std::string& root, const SystemPicture& p, Frame& f) {
  return f.Save(root, std::string("Z_System\\") + p.name, p.withAlpha);
}

}  // namespace

const SystemPicture* SystemPictures(int* count) {
  *count = static_cast<int>(std::size(kPictures));
  return kPictures;
}

bool ForgeSystemPictures(const std::string& imagesRoot, const std::string& fontDir) {
  bool ok = true;
  for (const SystemPicture& p : kPictures) {
    Frame f(p.width, p.height);
    const std::string name = p.name;
    if (name == "DlgTexture.bmp") DrawTexture(f);
    if (name == "Logo240x320.bmp") DrawLogo(f, fontDir);
    if (name == "Menu240x320.bmp") DrawMenu(f, fontDir);
    if (name == "Cursor1.bmp") DrawPointer(f);
    if (name == "Cursor2.bmp") DrawTieCursor(f, false);
    if (name == "Cursor3.bmp") DrawTieCursor(f, true);
    if (name == "Locker.bmp") DrawLocker(f);
    if (name == "Target.bmp") DrawTargetBadge(f);
    if (name == "next.bmp") DrawNext(f);
    ok = Save(imagesRoot, p, f) && ok;
  }
  return ok;
}

}  // namespace qv::forge
