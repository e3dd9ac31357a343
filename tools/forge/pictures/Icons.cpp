#include "Icons.h"

#include "Frame.h"
#include "PartArt.h"

namespace qv::forge {
namespace {

struct IconEntry {
  const char* file;
  Art art;
};

// Placeable kinds in kind order (the kinds without a class have no icon).
const IconEntry kPartIcons[] = {
    {"magnifier.bmp", Art::kMagnifier},
    {"ball_t.bmp", Art::kTennisBall},
    {"ball_f.bmp", Art::kFootball},
    {"bucket.bmp", Art::kBucket},
    {"brick.bmp", Art::kBrick},
    {"cord.bmp", Art::kRope},
    {"lever.bmp", Art::kLever},
    {"block.bmp", Art::kRopeBlock},
    {"squirre_cage.bmp", Art::kSquirrelCage},
    {"balloon.bmp", Art::kBalloon},
    {"scissors.bmp", Art::kScissors},
    {"flashlight.bmp", Art::kFlashlight},
    {"track_1.bmp", Art::kTrack},
    {"joint.bmp", Art::kLoopRope},
    {"candle.bmp", Art::kCandle},
    {"pinion_1.bmp", Art::kPinion},
    {"bomb.bmp", Art::kBomb},
    {"ostrich.bmp", Art::kOstrich},
    {"pistol.bmp", Art::kPistol},
    {"ground.bmp", Art::kGround},
    {"rabbit.bmp", Art::kRabbit},
    {"carrot.bmp", Art::kCarrot},
};

const IconEntry kToolIcons[] = {
    {"save.bmp", Art::kSave},     {"load.bmp", Art::kLoad},   {"stretch.bmp", Art::kStretch},
    {"rotate.bmp", Art::kRotate}, {"ZBucket.bmp", Art::kBin}, {"ztarget.bmp", Art::kTarget},
    {"zlock2.bmp", Art::kUnlock}, {"zlock1.bmp", Art::kLock}, {"exit.bmp", Art::kExit},
    {"ztarget2.bmp", Art::kTask},
};

template <std::size_t N>
const char* const* Names(const IconEntry (&entries)[N], int* count) {
  static const char* names[N];
  for (std::size_t i = 0; i < N; ++i) names[i] = entries[i].file;
  *count = static_cast<int>(N);
  return names;
}

bool SaveIcon(const std::string& root, const IconEntry& e) {
  Frame frame(kIconSize, kIconSize);
  // The 24-unit design box sits centred in the 25-pixel icon.
  PlaceArt(frame.Cr(), e.art, 0.5, 0.5, 24, 1.1);
  return frame.Save(root, std::string("Z_Icons\\") + e.file);
}

}  // namespace

const char* const* PartIconFiles(int* count) {
  return Names(kPartIcons, count);
}
const char* const* ToolIconFiles(int* count) {
  return Names(kToolIcons, count);
}

bool ForgeIcons(const std::string& imagesRoot) {
  for (const IconEntry& e : kPartIcons) {
    if (!SaveIcon(imagesRoot, e)) return false;
  }
  for (const IconEntry& e : kToolIcons) {
    if (!SaveIcon(imagesRoot, e)) return false;
  }
  return true;
}

}  // namespace qv::forge
