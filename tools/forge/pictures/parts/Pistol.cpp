#include <cmath>

#include "parts/Families.h"
#include "parts/Ink.h"

namespace qv::forge {
namespace {

constexpr double kPi = 3.14159265358979;
// 30 x 18 facing left: the muzzle at the left edge 4 px below the top (where
// the bullet leaves), the trigger, the rope hook, at pixel (20, 8).
constexpr int kWidth = 30;
constexpr int kHeight = 18;
constexpr int kFrames = 9;
constexpr double kTriggerX = 20.5;
constexpr double kTriggerY = 8.5;
constexpr Rgb kGun{104, 124, 166};
constexpr Rgb kGrip{168, 96, 52};

// Hammer angle: 0 cocked back, 1 fallen onto the frame.
void DrawHammer(cairo_t* cr, double fall) {
  cairo_save(cr);
  cairo_translate(cr, 26.0, 4.5);
  cairo_rotate(cr, -0.9 + 0.9 * fall);
  cairo_move_to(cr, -1.2, 0);
  cairo_line_to(cr, 1.2, 0);
  cairo_line_to(cr, 2.6, -4.2);
  cairo_line_to(cr, 0.6, -4.6);
  cairo_close_path(cr);
  FillInk(cr, kIron, -1, -4.6, 2.6, 0, 0.9);
  cairo_restore(cr);
}

void DrawGun(cairo_t* cr, double hammerFall, double pull) {
  DrawHammer(cr, hammerFall);
  // Grip, slanting back and down.
  cairo_move_to(cr, 20.5, 9.5);
  cairo_line_to(cr, 28.5, 9.5);
  cairo_line_to(cr, 29.5, 17.5);
  cairo_line_to(cr, 23.5, 17.5);
  cairo_close_path(cr);
  FillInk(cr, kGrip, 20.5, 9.5, 29.5, 17.5);
  cairo_move_to(cr, 23.5, 12.0);
  cairo_line_to(cr, 27.0, 12.0);
  cairo_move_to(cr, 24.0, 14.5);
  cairo_line_to(cr, 27.5, 14.5);
  SetColour(cr, Darker(kGrip, 0.35));
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
  // Trigger guard.
  cairo_move_to(cr, 14.0, 10.5);
  cairo_curve_to(cr, 14.0, 15.0, 20.5, 15.0, 21.5, 10.5);
  SetColour(cr, kInk);
  cairo_set_line_width(cr, 1.6);
  cairo_stroke_preserve(cr);
  SetColour(cr, kGun);
  cairo_set_line_width(cr, 0.6);
  cairo_stroke(cr);
  // Barrel and frame.
  RoundRect(cr, 0.5, 3.5, 18.0, 7.0, 1.2);
  FillInk(cr, kGun, 0.5, 3.5, 18.5, 10.5);
  RoundRect(cr, 13.5, 2.5, 15.0, 8.0, 1.5);
  FillInk(cr, kGun, 13.5, 2.5, 28.5, 10.5);
  cairo_rectangle(cr, 2.0, 4.6, 15.0, 1.0);
  SetColour(cr, kWhite, 0.45);
  cairo_fill(cr);
  cairo_rectangle(cr, 0.5, 1.8, 2.0, 2.0);
  FillInk(cr, kGun, 0.5, 1.8, 2.5, 3.8, 0.8);
  // Muzzle bore, centred on the bullet's path.
  Ellipse(cr, 1.1, 7.0, 0.7, 1.8);
  SetColour(cr, kInk);
  cairo_fill(cr);
  // Trigger, swinging back about its pin when pulled.
  cairo_save(cr);
  cairo_translate(cr, kTriggerX, kTriggerY);
  cairo_rotate(cr, -0.5 * pull);
  cairo_move_to(cr, -0.6, 0);
  cairo_curve_to(cr, -1.5, 2.0, -2.6, 3.0, -3.4, 4.6);
  SetColour(cr, kInk);
  cairo_set_line_width(cr, 1.8);
  cairo_stroke_preserve(cr);
  SetColour(cr, kSteel);
  cairo_set_line_width(cr, 0.7);
  cairo_stroke(cr);
  cairo_restore(cr);
  // The trigger's pin, where the rope is tied.
  Ellipse(cr, kTriggerX, kTriggerY, 1.3, 1.3);
  FillInk(cr, kBrass, kTriggerX - 1.3, kTriggerY - 1.3, kTriggerX + 1.3, kTriggerY + 1.3, 0.7);
}

void DrawFlash(cairo_t* cr, double size) {
  const double cx = 2.5;
  const double cy = 7.0;
  for (int i = 0; i < 12; ++i) {
    double a = i * kPi / 6;
    double r = (i % 2 == 0) ? size : size * 0.5;
    double x = cx + r * std::cos(a) * 1.2;
    double y = cy + r * std::sin(a);
    if (i == 0) {
      cairo_move_to(cr, x, y);
    } else {
      cairo_line_to(cr, x, y);
    }
  }
  cairo_close_path(cr);
  SetColour(cr, kFlame);
  cairo_fill_preserve(cr);
  SetColour(cr, Darker(kRed, 0.2));
  cairo_set_line_width(cr, 0.7);
  cairo_stroke(cr);
  Ellipse(cr, cx, cy, size * 0.4, size * 0.35);
  SetColour(cr, Rgb{255, 250, 200});
  cairo_fill(cr);
}

void DrawSmoke(cairo_t* cr, double grow, double alpha) {
  const double rs[] = {2.0, 1.6, 1.4};
  const double dx[] = {2.5, 4.8, 1.0};
  const double dy[] = {6.0, 4.0, 3.0};
  for (int i = 0; i < 3; ++i) {
    Ellipse(cr, dx[i] - grow * 0.5, dy[i] - grow * (1.0 + i * 0.5), rs[i] + grow * 0.5,
            rs[i] + grow * 0.5);
  }
  SetColour(cr, Rgb{226, 226, 230}, alpha);
  cairo_fill(cr);
}

}  // namespace

bool ForgePistol(const std::string& root) {
  // Frames 0 to 8 are the shot: the hammer falls, the flash, then smoke.
  const double hammer[] = {0, 0.5, 1, 1, 1, 1, 1, 0.6, 0.2};
  const double pull[] = {0, 0.6, 1, 1, 1, 0.7, 0.4, 0.1, 0};
  const double flash[] = {0, 0, 0, 5.5, 4.0, 0, 0, 0, 0};
  const double smoke[] = {-1, -1, -1, -1, 0, 0.8, 1.6, 2.4, -1};
  bool ok = true;
  for (int f = 0; f < kFrames; ++f) {
    Frame frame(kWidth, kHeight);
    cairo_t* cr = frame.Cr();
    DrawGun(cr, hammer[f], pull[f]);
    if (smoke[f] >= 0) DrawSmoke(cr, smoke[f], 0.95 - smoke[f] * 0.22);
    if (flash[f] > 0) DrawFlash(cr, flash[f]);
    ok = SaveNumbered(frame, root, "pistol\\pis_1_000%1d.bmp", "pistol\\A_pis_1_000%1d.bmp", f) &&
         ok;
  }
  // The bullet flies either way but is never mirrored: a round-ended slug.
  Frame bullet(7, 6);
  cairo_t* cr = bullet.Cr();
  RoundRect(cr, 0.5, 0.5, 6.0, 5.0, 2.4);
  FillInk(cr, kBrass, 0.5, 0.5, 6.5, 5.5);
  Glint(cr, 2.6, 2.0, 1.3, 0.6, 0.85);
  ok = bullet.Save(root, "pistol\\bullet_0.bmp", true, 32, "pistol\\A_bullet_0.bmp") && ok;
  return ok;
}

}  // namespace qv::forge
