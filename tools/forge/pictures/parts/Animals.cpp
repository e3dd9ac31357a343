#include <algorithm>
#include <cmath>

#include "parts/Families.h"
#include "parts/Ink.h"

namespace qv::forge {
namespace {

constexpr double kPi = 3.14159265358979;

double Ease(double t) {
  return t * t * (3.0 - 2.0 * t);
}

void Line(cairo_t* cr, double x0, double y0, double x1, double y1, Rgb colour, double width) {
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  SetColour(cr, kInk);
  cairo_set_line_width(cr, width + 1.2);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke_preserve(cr);
  SetColour(cr, colour);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

void TiltedEllipse(cairo_t* cr, double cx, double cy, double rx, double ry, double tilt) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, tilt);
  Ellipse(cr, 0, 0, rx, ry);
  cairo_restore(cr);
}

// ---- Carrot: 10 x 4, the tip to the left, the leaves to the right.

bool ForgeCarrot(const std::string& root) {
  Frame frame(10, 4);
  cairo_t* cr = frame.Cr();
  for (double y : {0.7, 2.0, 3.3}) Line(cr, 7.0, 2.0, 9.4, y, kLeaf, 0.6);
  cairo_move_to(cr, 0.4, 2.2);
  cairo_curve_to(cr, 2.5, 1.2, 5.0, 0.5, 7.4, 0.5);
  cairo_line_to(cr, 7.4, 3.5);
  cairo_curve_to(cr, 5.0, 3.5, 2.5, 3.1, 0.4, 2.2);
  cairo_close_path(cr);
  FillInk(cr, kOrange, 0.4, 0.5, 7.4, 3.5, 0.8);
  cairo_move_to(cr, 3.2, 1.6);
  cairo_line_to(cr, 3.9, 1.6);
  cairo_move_to(cr, 5.2, 2.6);
  cairo_line_to(cr, 6.0, 2.6);
  SetColour(cr, Darker(kOrange, 0.35));
  cairo_set_line_width(cr, 0.6);
  cairo_stroke(cr);
  return frame.Save(root, "carrot\\m_c_.bmp", true, 32, "carrot\\A_m_c_.bmp");
}

// ---- Rabbit: 20 px wide facing left, feet on the bottom row. Frame 0
// stands (30 high), 1 to 10 hop, 12 to 15 eat; 11 and 16 repeat neighbours.

constexpr int kRabbitWidth = 20;
constexpr int kStandHeight = 30;
constexpr int kRunHeight = 24;
constexpr int kEatHeight = 26;
constexpr int kRabbitFrames = 17;
constexpr Rgb kFurLight{240, 232, 222};
constexpr Rgb kEarPink{246, 164, 176};

// A pose in coordinates whose origin is on the ground under the middle of
// the frame, y up negative.
struct RabbitPose {
  double bodyX, bodyY, bodyRx, bodyRy, bodyTilt;
  double headX, headY;
  double earTilt, earLength;  // radians back from upright
  double hindX, frontX, frontY;
  double chew;     // 0..1 mouth motion while eating
  bool holdsFood;  // a bit of carrot in the paws
};

void DrawEar(cairo_t* cr, double x, double y, double tilt, double length) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, tilt);
  Ellipse(cr, 0, -length / 2, 1.5, length / 2);
  FillInk(cr, kFurLight, -1.5, -length, 1.5, 0, 0.9);
  Ellipse(cr, 0.1, -length / 2, 0.6, length / 2 - 1.2);
  SetColour(cr, kEarPink);
  cairo_fill(cr);
  cairo_restore(cr);
}

void DrawRabbit(cairo_t* cr, const RabbitPose& p) {
  DrawEar(cr, p.headX + 1.6, p.headY - 2.0, p.earTilt + 0.25, p.earLength);
  // Tail puff and the hind foot behind the body.
  Ellipse(cr, p.bodyX + p.bodyRx - 0.6, p.bodyY - 0.8, 1.8, 1.8);
  FillInk(cr, kWhite, p.bodyX + p.bodyRx - 2, p.bodyY - 2.5, p.bodyX + p.bodyRx + 1.5, p.bodyY + 1,
          0.8);
  TiltedEllipse(cr, p.bodyX, p.bodyY, p.bodyRx, p.bodyRy, p.bodyTilt);
  FillInk(cr, kFurLight, p.bodyX - p.bodyRx, p.bodyY - p.bodyRy, p.bodyX + p.bodyRx,
          p.bodyY + p.bodyRy);
  // Haunch and long hind foot on the ground.
  Ellipse(cr, p.hindX, -3.2, 3.0, 2.8);
  FillInk(cr, kFurLight, p.hindX - 3, -6, p.hindX + 3, -0.4, 0.9);
  Ellipse(cr, p.hindX - 1.2, -1.2, 3.2, 1.1);
  FillInk(cr, Darker(kFurLight, 0.06), p.hindX - 4.4, -2.3, p.hindX + 2, -0.1, 0.9);
  // Front leg and paw.
  Line(cr, p.bodyX - p.bodyRx * 0.55, p.bodyY + p.bodyRy * 0.4, p.frontX + 0.4, p.frontY, kFurLight,
       1.4);
  Ellipse(cr, p.frontX, p.frontY, 1.6, 1.1);
  FillInk(cr, kFurLight, p.frontX - 1.6, p.frontY - 1.1, p.frontX + 1.6, p.frontY + 1.1, 0.8);
  if (p.holdsFood) {
    cairo_move_to(cr, p.frontX - 2.8, p.frontY - 2.4);
    cairo_line_to(cr, p.frontX + 0.2, p.frontY - 0.4);
    SetColour(cr, kInk);
    cairo_set_line_width(cr, 2.4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke_preserve(cr);
    SetColour(cr, kOrange);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
  }
  // Head, near ear, face.
  Ellipse(cr, p.headX, p.headY, 3.4, 3.0);
  FillInk(cr, kFurLight, p.headX - 3.4, p.headY - 3, p.headX + 3.4, p.headY + 3);
  DrawEar(cr, p.headX + 0.4, p.headY - 2.2, p.earTilt, p.earLength);
  Ellipse(cr, p.headX - 1.0, p.headY - 0.8, 0.75, 0.9);
  SetColour(cr, kInk);
  cairo_fill(cr);
  Ellipse(cr, p.headX - 3.1, p.headY + 0.2 + 0.3 * p.chew, 0.7, 0.6);
  SetColour(cr, kEarPink);
  cairo_fill(cr);
}

RabbitPose StandPose() {
  return RabbitPose{1.5, -8.0, 4.4, 6.2, -0.2, -2.5, -16.0, 0.08, 11.0, 2.5, -2.6, -5.0, 0, false};
}

// One hop: s > 0 stretched in the leap, s < 0 gathered.
RabbitPose RunPose(double phase) {
  const double s = std::sin(2 * kPi * phase);
  const double lift = 1.0 + std::max(0.0, s) * 1.5;
  RabbitPose p;
  p.bodyX = 1.0;
  p.bodyY = -6.5 - lift;
  p.bodyRx = 5.6 + 1.2 * s;
  p.bodyRy = 4.2 - 0.5 * s;
  p.bodyTilt = -0.12 * s;
  p.headX = -5.0 - 1.2 * s;
  p.headY = -10.5 - lift;
  p.earTilt = 0.9 + 0.2 * s;
  p.earLength = 9.0;
  p.hindX = 3.5 + 3.0 * s;
  p.frontX = -4.5 - 3.5 * s;
  p.frontY = -1.2 - std::max(0.0, s) * 1.5;
  p.chew = 0;
  p.holdsFood = false;
  return p;
}

RabbitPose EatPose(int step) {
  RabbitPose p{1.5, -6.2, 5.6, 4.8, 0.05, -4.4, -9.6, 0.45, 10.0, 3.5, -5.4, -4.2, 0, true};
  p.chew = (step % 2) ? 1.0 : 0.0;
  p.headY += (step % 2) ? 0.4 : 0.0;
  p.earTilt += (step == 3) ? 0.15 : 0.0;
  return p;
}

bool ForgeRabbit(const std::string& root) {
  bool ok = true;
  for (int f = 0; f < kRabbitFrames; ++f) {
    RabbitPose pose;
    int height;
    if (f == 0 || f == 11) {
      pose = StandPose();
      height = kStandHeight;
    } else if (f <= 10) {
      pose = RunPose((f - 1) / 10.0);
      height = kRunHeight;
    } else {
      pose = EatPose(f == 16 ? 0 : f - 12);
      height = kEatHeight;
    }
    Frame frame(kRabbitWidth, height);
    cairo_t* cr = frame.Cr();
    cairo_translate(cr, kRabbitWidth / 2.0, height);
    DrawRabbit(cr, pose);
    ok = SaveNumbered(frame, root, "rabbit\\r_m1_00%02d.bmp", "rabbit\\A_r_m1_00%02d.bmp", f) && ok;
  }
  return ok;
}

// ---- Ostrich: 35 x 35 facing left, feet on the bottom row. Frame 0 calm,
// 1 to 19 the head going down into the ground (hidden at 19), 20 to 37 the
// fright wearing off as the head comes back; 38 repeats the calm frame.

constexpr int kOstrichSize = 35;
constexpr int kOstrichFrames = 39;
constexpr int kHiddenFrame = 19;
constexpr Rgb kPlumage{62, 54, 70};
constexpr Rgb kSkin{240, 186, 160};
constexpr Rgb kBeak{246, 176, 84};

struct OstrichPose {
  double dip;     // 0 head up .. 1 head in the ground
  double ruffle;  // fright: feathers up
  double shake;   // sideways head shake
  double step;    // leg tremble
};

void DrawOstrichLegs(cairo_t* cr, double hipX, double hipY, double tremble) {
  const double feet[2][2] = {{17.5 + tremble, 34.2}, {23.5 - tremble, 34.2}};
  for (const auto& foot : feet) {
    double kneeX = (hipX + foot[0]) / 2 + 2.0;
    double kneeY = (hipY + foot[1]) / 2;
    Line(cr, hipX, hipY, kneeX, kneeY, kSkin, 1.8);
    Line(cr, kneeX, kneeY, foot[0], foot[1] - 0.6, kSkin, 1.1);
    Line(cr, foot[0] - 2.2, foot[1] - 0.3, foot[0] + 0.6, foot[1] - 0.3, kSkin, 0.9);
  }
}

void DrawOstrichBody(cairo_t* cr, double cx, double cy, double tilt, double ruffle) {
  // Tail plume.
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, tilt);
  cairo_move_to(cr, 6.0, -3.0);
  cairo_curve_to(cr, 10.5, -8.0 - ruffle * 2, 13.5, -4.0, 12.5, -1.0);
  cairo_curve_to(cr, 11.5, 1.0, 9.0, 1.5, 7.0, 1.0);
  cairo_close_path(cr);
  FillInk(cr, kWhite, 6, -8, 13, 1, 0.9);
  // Feathered body: bumps grow when frightened.
  const int bumps = 14;
  for (int i = 0; i <= bumps * 4; ++i) {
    double a = i * 2 * kPi / (bumps * 4);
    double bump = 1.0 + (0.04 + 0.1 * ruffle) * std::fabs(std::sin(a * bumps / 2.0));
    double x = 9.0 * bump * std::cos(a);
    double y = 6.2 * bump * std::sin(a);
    if (i == 0) {
      cairo_move_to(cr, x, y);
    } else {
      cairo_line_to(cr, x, y);
    }
  }
  cairo_close_path(cr);
  cairo_restore(cr);
  FillInk(cr, kPlumage, cx - 9, cy - 6, cx + 9, cy + 6);
  // Wing feathers.
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, tilt);
  for (int i = 0; i < 3; ++i) {
    cairo_move_to(cr, -3.0 + i * 2.5, -1.5 + i * 0.3);
    cairo_curve_to(cr, 0.0 + i * 2.5, 1.0, 3.0 + i * 2.0, 1.5, 5.5 + i * 1.5, 0.8);
  }
  cairo_restore(cr);
  SetColour(cr, Lighter(kPlumage, 0.35));
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
}

void DrawOstrichHead(cairo_t* cr, double x, double y, double angle, double fright) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  // Beak pointing away from the neck.
  cairo_move_to(cr, -1.5, -1.0);
  cairo_line_to(cr, -5.2, 0.1);
  cairo_line_to(cr, -1.5, 1.3);
  cairo_close_path(cr);
  FillInk(cr, kBeak, -5, -1, -1.5, 1.3, 0.9);
  Ellipse(cr, 0, 0, 2.6, 2.3);
  FillInk(cr, kSkin, -2.6, -2.3, 2.6, 2.3, 0.9);
  Ellipse(cr, -0.5, -0.6, 1.1 + 0.3 * fright, 1.1 + 0.3 * fright);
  SetColour(cr, kWhite);
  cairo_fill(cr);
  Ellipse(cr, -0.8, -0.6, 0.55, 0.55);
  SetColour(cr, kInk);
  cairo_fill(cr);
  cairo_restore(cr);
}

void DrawOstrich(cairo_t* cr, const OstrichPose& p) {
  const double d = Ease(std::clamp(p.dip, 0.0, 1.0));
  const double bodyX = 21.0;
  const double bodyY = 16.5 + 2.0 * d;
  const double tilt = -0.3 * d;  // rear up when the head goes down
  DrawOstrichLegs(cr, bodyX + 1.0, bodyY + 4.0, p.step);
  // The neck from the chest to the head; the head sinks below the bottom
  // edge as it goes into the ground.
  const double chestX = bodyX - 7.0;
  const double chestY = bodyY - 1.5 + 2.5 * d;
  const double headX = 7.0 + p.shake - 2.0 * d;
  const double headY = 4.0 + 35.0 * d;
  cairo_move_to(cr, chestX, chestY);
  cairo_curve_to(cr, chestX - 5.0 - 2.0 * d, chestY - 3.0 + 8.0 * d, headX + 2.0,
                 headY + 8.0 - 14.0 * d, headX + 1.0, headY);
  SetColour(cr, kInk);
  cairo_set_line_width(cr, 3.8);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke_preserve(cr);
  SetColour(cr, kSkin);
  cairo_set_line_width(cr, 2.4);
  cairo_stroke(cr);
  DrawOstrichHead(cr, headX, headY, -1.5 * d, p.ruffle);
  DrawOstrichBody(cr, bodyX, bodyY, tilt, p.ruffle);
  if (d > 0.75) {
    // The mound of earth the head went into.
    const double m = (d - 0.75) / 0.25;
    Ellipse(cr, headX + 0.5, 35.0, 4.5 * m + 1.0, 2.2 * m + 0.5);
    FillInk(cr, Rgb{160, 104, 58}, headX - 4, 32.5, headX + 5, 35, 0.9);
  }
}

OstrichPose OstrichFrame(int f) {
  if (f == 0 || f >= 38) return OstrichPose{0, 0, 0, 0};
  if (f <= kHiddenFrame) {
    double t = f / double(kHiddenFrame);
    return OstrichPose{t, 0.6 * t, 0, 0.6 * std::sin(f * 1.7) * t};
  }
  // Coming back: the head rises, shakes off the fright, and settles.
  double u = (f - kHiddenFrame) / 18.0;
  double calm = 1.0 - u;
  return OstrichPose{1.0 - Ease(u), 0.8 * calm, 1.4 * std::sin(u * 6 * kPi) * calm,
                     0.5 * std::sin(f * 2.1) * calm};
}

bool ForgeOstrich(const std::string& root) {
  bool ok = true;
  for (int f = 0; f < kOstrichFrames; ++f) {
    Frame frame(kOstrichSize, kOstrichSize);
    DrawOstrich(frame.Cr(), OstrichFrame(f));
    ok = SaveNumbered(frame, root, "ostrich\\2\\ostr_2_00%02d.bmp",
                      "ostrich\\2\\A_ostr_2_00%02d.bmp", f) &&
         ok;
  }
  return ok;
}

}  // namespace

bool ForgeAnimals(const std::string& root) {
  bool ok = ForgeCarrot(root);
  ok = ForgeRabbit(root) && ok;
  ok = ForgeOstrich(root) && ok;
  return ok;
}

}  // namespace qv::forge
