#pragma once
#include <cairo.h>

namespace qv::forge {

// Small cartoon drawings of every part and tool, each in a 24 x 24 design
// box. The icons draw them at 1:1; the title screens draw them larger. lw is
// the outline width in design units.
enum class Art {
  kMagnifier,
  kTennisBall,
  kFootball,
  kBucket,
  kBrick,
  kRope,
  kLever,
  kRopeBlock,
  kSquirrelCage,
  kBalloon,
  kScissors,
  kFlashlight,
  kTrack,
  kLoopRope,
  kCandle,
  kPinion,
  kBomb,
  kOstrich,
  kPistol,
  kGround,
  kRabbit,
  kCarrot,
  kSave,
  kLoad,
  kStretch,
  kRotate,
  kBin,
  kTarget,
  kUnlock,
  kLock,
  kExit,
  kTask,
};

void DrawArt(cairo_t* cr, Art art, double lw);

// Draws art scaled to size x size design pixels with its top-left at (x, y).
void PlaceArt(cairo_t* cr, Art art, double x, double y, double size, double lwPixels);

}  // namespace qv::forge
