#include <cmath>

#include "parts/Families.h"
#include "parts/Ink.h"

namespace qv::forge {
namespace {

constexpr Rgb kWax{236, 72, 70};
constexpr Rgb kGlass{190, 232, 250};
constexpr Rgb kLight{255, 238, 120};

// ---- Candle: 15 x 20, the wick at pixel (7, 5), the flame above it.

constexpr int kCandleWidth = 15;
constexpr int kCandleHeight = 20;
constexpr double kWickX = 7.5;
constexpr double kWaxTop = 6.5;

void DrawCandleBody(cairo_t* cr) {
  // Holder dish.
  Ellipse(cr, kWickX, 17.5, 6.8, 2.0);
  FillInk(cr, kBrass, 1, 15.5, 14, 19.5);
  // Wax column with a drip.
  cairo_move_to(cr, 4.5, kWaxTop);
  cairo_line_to(cr, 4.5, 17.2);
  cairo_curve_to(cr, 6.5, 18.2, 8.5, 18.2, 10.5, 17.2);
  cairo_line_to(cr, 10.5, kWaxTop);
  cairo_close_path(cr);
  FillInk(cr, kWax, 4.5, kWaxTop, 10.5, 17.5);
  Ellipse(cr, kWickX, kWaxTop, 3.0, 1.0);
  FillInk(cr, Lighter(kWax, 0.25), 4.5, 5.5, 10.5, 7.5, 0.8);
  cairo_move_to(cr, 9.5, kWaxTop + 0.8);
  cairo_curve_to(cr, 10.2, 9.0, 9.4, 10.5, 9.6, 11.0);
  SetColour(cr, Lighter(kWax, 0.4));
  cairo_set_line_width(cr, 0.9);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  cairo_rectangle(cr, 5.4, 8, 1.0, 7);
  SetColour(cr, kWhite, 0.45);
  cairo_fill(cr);
  // Wick.
  cairo_move_to(cr, kWickX, kWaxTop);
  cairo_line_to(cr, kWickX, 4.6);
  SetColour(cr, kInk);
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
}

// A teardrop flame standing on the wick; lean and height make the flicker.
void DrawFlame(cairo_t* cr, double lean, double height, double width) {
  const double base = 5.6;
  const double tipY = base - height;
  auto drop = [&](double scale) {
    double w = width * scale;
    double t = base - height * scale;
    cairo_move_to(cr, kWickX + lean * scale, t);
    cairo_curve_to(cr, kWickX + w * 0.6, t + height * scale * 0.45, kWickX + w, base - 0.8, kWickX,
                   base);
    cairo_curve_to(cr, kWickX - w, base - 0.8, kWickX - w * 0.6, t + height * scale * 0.45,
                   kWickX + lean * scale, t);
    cairo_close_path(cr);
  };
  drop(1.0);
  SetColour(cr, kFlame);
  cairo_fill_preserve(cr);
  SetColour(cr, Darker(kRed, 0.15));
  cairo_set_line_width(cr, 0.7);
  cairo_stroke(cr);
  drop(0.65);
  SetColour(cr, kYellow);
  cairo_fill(cr);
  drop(0.3);
  SetColour(cr, Rgb{255, 255, 230});
  cairo_fill(cr);
  (void)tipY;
}

bool ForgeCandle(const std::string& root) {
  struct Flicker {
    double lean;
    double height;
    double width;
  };
  // Frame 0 unlit; 1 to 3 the flame; 4 repeats the middle flame.
  const Flicker flames[] = {
      {0, 0, 0}, {-0.6, 5.4, 2.4}, {0.2, 5.6, 2.2}, {0.8, 5.0, 2.6}, {0.2, 5.6, 2.2}};
  bool ok = true;
  for (int f = 0; f < 5; ++f) {
    Frame frame(kCandleWidth, kCandleHeight);
    DrawCandleBody(frame.Cr());
    if (f > 0) DrawFlame(frame.Cr(), flames[f].lean, flames[f].height, flames[f].width);
    ok = SaveNumbered(frame, root, "candle\\candle_0%1d.bmp", "candle\\A_candle_0%1d.bmp", f) && ok;
  }
  return ok;
}

// ---- Magnifier: file 2 the lens (12 x 32), file 3 the focused light beside
// it, drawn 5 px right of the lens and 4 px down (mirrored on the left).

constexpr int kLensWidth = 12;
constexpr int kLensHeight = 32;
constexpr int kSpotWidth = 16;
constexpr int kSpotHeight = 14;

bool ForgeLens(const std::string& root) {
  Frame frame(kLensWidth, kLensHeight);
  cairo_t* cr = frame.Cr();
  const double cx = 6.0;
  const double cy = 11.0;
  // Handle and ferrule.
  RoundRect(cr, 4.5, 22.5, 3.0, 9.0, 1.4);
  FillInk(cr, kWood, 4.5, 22.5, 7.5, 31.5);
  cairo_rectangle(cr, 4.0, 20.5, 4.0, 2.5);
  FillInk(cr, kBrass, 4, 20.5, 8, 23, 0.8);
  // Glass seen edge on: a tall lens in a brass ring.
  Ellipse(cr, cx, cy, 5.4, 10.4);
  FillInk(cr, kBrass, 0.5, 0.5, 11.5, 21.5);
  Ellipse(cr, cx, cy, 3.6, 8.6);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  SetColour(cr, kGlass, 0.45);
  cairo_fill_preserve(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  SetColour(cr, Darker(kBrass, 0.4));
  cairo_set_line_width(cr, 0.7);
  cairo_stroke(cr);
  cairo_move_to(cr, cx - 1.6, cy - 5.5);
  cairo_curve_to(cr, cx - 2.6, cy - 2.5, cx - 2.6, cy + 0.5, cx - 1.9, cy + 2.5);
  SetColour(cr, kWhite, 0.9);
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  return frame.Save(root, "magnifier\\magnifier_2.bmp", true, 32, "magnifier\\A_magnifier_2.bmp");
}

// The focused light: a cone narrowing from the lens to a bright point.
bool ForgeSpot(const std::string& root) {
  Frame frame(kSpotWidth, kSpotHeight);
  cairo_t* cr = frame.Cr();
  const double fx = 12.5;
  const double fy = kSpotHeight / 2.0;
  cairo_move_to(cr, 0, 1.0);
  cairo_line_to(cr, fx, fy - 0.6);
  cairo_line_to(cr, fx, fy + 0.6);
  cairo_line_to(cr, 0, kSpotHeight - 1.0);
  cairo_close_path(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, fx, 0);
  cairo_pattern_add_color_stop_rgba(p, 0, 1, 0.97, 0.7, 0.28);
  cairo_pattern_add_color_stop_rgba(p, 1, 1, 0.95, 0.5, 0.45);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  cairo_pattern_t* glow = cairo_pattern_create_radial(fx, fy, 0, fx, fy, 3.4);
  cairo_pattern_add_color_stop_rgba(glow, 0, 1, 1, 0.9, 1.0);
  cairo_pattern_add_color_stop_rgba(glow, 0.45, 1, 0.85, 0.25, 0.9);
  cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.55, 0.1, 0.0);
  Ellipse(cr, fx, fy, 3.4, 3.4);
  cairo_set_source(cr, glow);
  cairo_fill(cr);
  cairo_pattern_destroy(glow);
  return frame.Save(root, "magnifier\\magnifier_3.bmp", true, 32, "magnifier\\A_magnifier_3.bmp");
}

// ---- Flashlight: 30 x 16 facing left; frame 2 the beam, 32 x 24, drawn so
// its right column meets the lamp's front edge, 4 px above and below it.

constexpr int kLampWidth = 30;
constexpr int kLampHeight = 16;
constexpr int kBeamWidth = 32;
constexpr int kBeamHeight = kLampHeight + 8;

void DrawLamp(cairo_t* cr, bool on) {
  const Rgb body{52, 112, 214};
  // Tube and tail cap.
  RoundRect(cr, 9.5, 3.5, 19.5, 9.0, 2.0);
  FillInk(cr, body, 9.5, 3.5, 29, 12.5);
  cairo_rectangle(cr, 26.5, 4.0, 1.2, 8.0);
  SetColour(cr, Darker(body, 0.35));
  cairo_fill(cr);
  // Switch in the middle of the tube.
  RoundRect(cr, 14.5, 1.5, 5.0, 3.0, 1.2);
  FillInk(cr, on ? kYellow : kRed, 14.5, 1.5, 19.5, 4.5, 0.8);
  // Reflector head, wider toward the front.
  cairo_move_to(cr, 1.5, 0.5);
  cairo_line_to(cr, 5.5, 0.5);
  cairo_line_to(cr, 10.5, 3.5);
  cairo_line_to(cr, 10.5, 12.5);
  cairo_line_to(cr, 5.5, 15.5);
  cairo_line_to(cr, 1.5, 15.5);
  cairo_close_path(cr);
  FillInk(cr, kSteel, 1.5, 0.5, 10.5, 15.5);
  // Glass at the front edge.
  RoundRect(cr, 0.5, 1.5, 2.5, 13.0, 1.0);
  FillInk(cr, on ? Rgb{255, 232, 90} : Rgb{150, 170, 190}, 0.5, 1.5, 3, 14.5, 0.8);
  if (on) Glint(cr, 1.7, 5.0, 0.6, 2.2, 0.9);
  cairo_rectangle(cr, 12.0, 5.0, 14.0, 1.2);
  SetColour(cr, kWhite, 0.5);
  cairo_fill(cr);
  Glint(cr, 4.5, 3.2, 1.6, 0.8, 0.7);
}

bool ForgeBeam(const std::string& root) {
  Frame frame(kBeamWidth, kBeamHeight);
  cairo_t* cr = frame.Cr();
  cairo_move_to(cr, kBeamWidth, 5.5);
  cairo_line_to(cr, 0, 0);
  cairo_line_to(cr, 0, kBeamHeight);
  cairo_line_to(cr, kBeamWidth, kBeamHeight - 5.5);
  cairo_close_path(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(kBeamWidth, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(p, 0, kLight.r / 255, kLight.g / 255, kLight.b / 255, 0.58);
  cairo_pattern_add_color_stop_rgba(p, 1, kLight.r / 255, kLight.g / 255, kLight.b / 255, 0.2);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  return frame.Save(root, "flashlight\\flashlight2.bmp", true, 32, "flashlight\\A_flashlight2.bmp");
}

bool ForgeFlashlight(const std::string& root) {
  bool ok = true;
  for (int f = 0; f < 2; ++f) {
    Frame frame(kLampWidth, kLampHeight);
    DrawLamp(frame.Cr(), f == 1);
    ok = SaveNumbered(frame, root, "flashlight\\flashlight%1d.bmp",
                      "flashlight\\A_flashlight%1d.bmp", f) &&
         ok;
  }
  return ForgeBeam(root) && ok;
}

}  // namespace

bool ForgeFireParts(const std::string& root) {
  bool ok = ForgeCandle(root);
  ok = ForgeLens(root) && ok;
  ok = ForgeSpot(root) && ok;
  ok = ForgeFlashlight(root) && ok;
  return ok;
}

}  // namespace qv::forge
