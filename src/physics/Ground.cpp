#include "physics/Ground.h"

#include <cstdlib>
#include <memory>

#include "gfx/Surface.h"
#include "parts/PartCreators.h"

namespace qv {
namespace {

FrameSet gBlockFrames;
FrameSet gGroundFrames;

constexpr int kFlat = 0;
constexpr int kFalling = 1;
constexpr int kRising = 2;
constexpr int kUpright = 3;

Vec2 Normalized(Fixed x, Fixed y) {
  Vec2 v(x, y);
  Normalize(v);
  return v;
}

// The normal of a slope band. dx, dy are the point relative to the band's
// top-left corner, bandH the height the band is measured with and faceH the
// height its face normals are built from (they differ for grass-topped
// ground, whose band starts under the grass).
Vec2 SlopeNormal(bool rising, Fixed dx, Fixed dy, Fixed w, Fixed bandH, Fixed faceH) {
  const Fixed run = rising ? w - dx : dx;
  const Fixed top = (bandH * run) / (w * 2);
  const Fixed bottom = top + bandH / 2;
  const Fixed diagonal = (bandH * run) / w;
  const Fixed half = bandH / 2;
  const Fixed r = kCornerReach;
  const Vec2 topFace = rising ? Normalized(-(faceH / 2), -w) : Normalized(faceH / 2, -w);
  const Vec2 bottomFace = rising ? Normalized(faceH / 2, w) : Normalized(-(faceH / 2), w);
  if (dy < top + r) return topFace;
  if (dy > bottom - r) return bottomFace;
  if (dy >= diagonal && dy >= half) return bottomFace;
  if (rising) {
    if (dy >= half) return Vec2(Fixed(-1), Fixed(0));
    if (dy >= diagonal) return Vec2(Fixed(1), Fixed(0));
  } else {
    if (dy >= diagonal) return Vec2(Fixed(-1), Fixed(0));
    if (dy >= half) return Vec2(Fixed(1), Fixed(0));
  }
  return topFace;
}

// Whether dy lies in the slope band of height bandH whose top edge falls
// (or rises) by half the band across the width.
bool InBand(bool rising, Fixed dx, Fixed dy, Fixed w, Fixed bandH) {
  const Fixed run = rising ? w - dx : dx;
  const Fixed top = (bandH * run) / (w * 2);
  return top <= dy && dy <= top + bandH / 2;
}

}  // namespace

GroundPiece::GroundPiece() {
  mass = Fixed(100);
  flags |= kFlagStatic;
  box.w = Fixed(48);
  box.h = Fixed(22);
}

void GroundPiece::SetOrientation(int n) {
  orientation = n;
  switch (n) {
    case kFlat:
      box.w = Fixed(48);
      box.h = Fixed(22);
      break;
    case kFalling:
    case kRising:
      box.w = Fixed(48);
      box.h = Fixed(44);
      break;
    case kUpright:
      box.w = Fixed(22);
      box.h = Fixed(48);
      break;
    default:
      break;
  }
}

void GroundPiece::AddForce(GameObject* /*source*/, Vec2 /*v*/) {}

void GroundPiece::ApplyForces(Fixed /*dt*/) {}

void GroundPiece::Draw(Surface& surface) {
  const FrameSet& set = Frames();
  const Box p(box.x / 2, box.y / 2, box.w / 2, box.h / 2);
  const Box screen(Fixed(0), Fixed(0), Fixed(surface.Width()), Fixed(surface.Height()));
  if (!IntersectBoxes(p, screen, nullptr)) return;
  switch (orientation) {
    case kFlat: {
      const Surface* tile = set.Frame(0);
      if (tile == nullptr || tile->Width() == 0) return;
      const int fw = tile->Width();
      const int n = (p.w / fw).ToInt();
      const int x = p.x.ToInt();
      const int y = p.y.ToInt();
      // Copies left or right of the surface draw nothing; skip them so that a
      // huge box from a file costs no more than a screen's width.
      for (int k = x < 0 ? -x / fw : 0; k < n && x + k * fw < surface.Width(); ++k) {
        tile->DrawTo(surface, x + k * fw, y, fw, tile->Height(), 0);
      }
      break;
    }
    case kFalling:
      DrawFrame(surface, set, 1, 0);
      break;
    case kRising:
      DrawFrame(surface, set, 1, kMirrorX);
      break;
    case kUpright:
      DrawFrame(surface, set, 2, 0);
      break;
    default:
      break;
  }
}

void GroundPiece::OnEvent(int event, GameObject* other, void* /*data*/) {
  if (event != kEventExplosion || other == nullptr) return;
  const Box bomb = other->GetBox();
  const Fixed r = Fixed(1.5 * std::abs(bomb.w.ToInt()));
  const Fixed ddx = (bomb.x + bomb.w / 2) - (box.x + box.w / 2);
  const Fixed ddy = (bomb.y + bomb.h / 2) - (box.y + box.h / 2);
  if (std::abs(ddx.ToInt()) > r || std::abs(ddy.ToInt()) > r) return;
  if (ddx * ddx + ddy * ddy < r * r) removed = true;
}

GroundBlock::GroundBlock() : share_(gBlockFrames) {}

bool GroundBlock::LoadImages() {
  return share_.Load(3, 1, "ground\\br_%1d.bmp", "ground\\A_br_%1d.bmp", nullptr);
}

const FrameSet& GroundBlock::Frames() const {
  return gBlockFrames;
}

bool GroundBlock::Contains(int x, int y) const {
  if (!GameObject::Contains(x, y)) return false;
  if (orientation != kFalling && orientation != kRising) return true;
  return InBand(orientation == kRising, Fixed(x) - box.x, Fixed(y) - box.y, box.w, box.h);
}

Vec2 GroundBlock::GetNormal(Fixed px, Fixed py) const {
  if (orientation != kFalling && orientation != kRising) return BoxNormal(px, py);
  return SlopeNormal(orientation == kRising, px - box.x, py - box.y, box.w, box.h, box.h);
}

Ground::Ground() : share_(gGroundFrames) {}

bool Ground::LoadImages() {
  return share_.Load(3, 1, "ground\\gr_%1d.bmp", "ground\\A_gr_%1d.bmp", nullptr);
}

const FrameSet& Ground::Frames() const {
  return gGroundFrames;
}

bool Ground::Contains(int x, int y) const {
  const Fixed a(x);
  const Fixed b(y);
  if (orientation != kFalling && orientation != kRising) {
    // Only the part under the grass is solid.
    return box.x <= a && a <= box.x + box.w && box.y + box.h / 2 <= b && b <= box.y + box.h;
  }
  if (!GameObject::Contains(x, y)) return false;
  const Fixed band = (box.h * 3) / 4;
  const Fixed dy = b - (box.y + box.h / 4);
  return InBand(orientation == kRising, a - box.x, dy, box.w, band);
}

Vec2 Ground::GetNormal(Fixed px, Fixed py) const {
  const Fixed dx = px - box.x;
  const Fixed w = box.w;
  const Fixed h = box.h;
  if (orientation == kFalling || orientation == kRising) {
    const Fixed dy = py - (box.y + h / 4);
    return SlopeNormal(orientation == kRising, dx, dy, w, (h * 3) / 4, h);
  }
  const Fixed dy = py - box.y;
  if (dy < h / 2 + kCornerReach) return Vec2(Fixed(0), Fixed(-1));
  if (dy > h - kCornerReach) return Vec2(Fixed(0), Fixed(1));
  const bool belowMain = dy >= (h * dx) / w;
  const bool belowAnti = dy >= (h * (w - dx)) / w;
  if (belowMain && belowAnti) return Vec2(Fixed(0), Fixed(1));
  if (belowMain) return Vec2(Fixed(-1), Fixed(0));
  if (belowAnti) return Vec2(Fixed(1), Fixed(0));
  return Vec2(Fixed(0), Fixed(-1));
}

std::unique_ptr<GameObject> CreateGroundBlock() {
  return std::make_unique<GroundBlock>();
}
std::unique_ptr<GameObject> CreateGround() {
  return std::make_unique<Ground>();
}

}  // namespace qv
