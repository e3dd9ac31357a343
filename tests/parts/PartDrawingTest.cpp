#include <gtest/gtest.h>

#include "gfx/Surface.h"
#include "parts/Bomb.h"
#include "parts/Flashlight.h"
#include "parts/Magnifier.h"
#include "parts/PartScene.h"

namespace qv {
namespace {

using test::InstalledFrames;
using test::Scene;

// A white screen on which the installed (black, opaque) frames show.
class Screen {
 public:
  Screen() {
    surface.Create(240, 320);
    surface.Clear(255, 255, 255);
  }
  bool Inked(int x, int y) const {
    std::uint8_t r, g, b;
    surface.ReadPixel(x, y, &r, &g, &b);
    return r == 0 && g == 0 && b == 0;
  }
  Surface surface;
};

TEST(PartDrawing, TheBombsFramesSitTwelvePixelsUpAndLeftOfItsBox) {
  InstalledFrames frames(Bomb::Frames(), kBombFrameCount, 8, 8);
  Scene scene;
  Bomb* bomb = scene.Add<Bomb>(100, 100);  // pixel (50, 50)
  Screen screen;
  bomb->Draw(screen.surface);
  EXPECT_TRUE(screen.Inked(38, 38));
  EXPECT_TRUE(screen.Inked(45, 45));
  EXPECT_FALSE(screen.Inked(37, 38));
  EXPECT_FALSE(screen.Inked(50, 50));
  EXPECT_EQ(bomb->box, Box(Fixed(100), Fixed(100), Fixed(26), Fixed(26)));
}

// A lamp at pixel (50, 100), 30 wide; its beam picture is 10 x 4.
TEST(PartDrawing, ALitLampDrawsItsBeamBeforeTheSideItFaces) {
  struct Case {
    int facing, firstBeamX;
  };
  for (Case c : {Case{0, 41}, Case{1, 78}}) {
    InstalledFrames frames(Flashlight::Frames(), kFlashlightFrameCount, 30, 16);
    frames.Resize(kFlashlightBeamFrame, 10, 4);
    Scene scene;
    Flashlight* lamp = scene.Add<Flashlight>(100, 200);
    lamp->orientation = c.facing;
    Screen off;
    lamp->Draw(off.surface);
    EXPECT_TRUE(off.Inked(50, 100));
    EXPECT_FALSE(off.Inked(c.firstBeamX + 5, 97)) << "no beam while off";
    lamp->on = true;
    Screen on;
    lamp->Draw(on.surface);
    EXPECT_TRUE(on.Inked(c.firstBeamX, 96)) << "facing " << c.facing;
    EXPECT_TRUE(on.Inked(c.firstBeamX + 9, 99));
    EXPECT_FALSE(on.Inked(c.firstBeamX - 1, 96));
    EXPECT_FALSE(on.Inked(c.firstBeamX + 10, 96));
  }
}

// A lens at pixel (50, 50), 12 wide; its light spot picture is 8 x 8 and
// lies 9 pixels left of the lens or 5 right of its left edge, 4 lower.
TEST(PartDrawing, ALitLensDrawsItsSpotBesideItOnTheBeamSide) {
  struct Case {
    int beamLeft, spotOnlyX, pastSpotX;
  };
  for (Case c : {Case{1, 41, 40}, Case{0, 62, 63}}) {
    InstalledFrames frames(Magnifier::Frames(), kMagnifierFrameCount, 12, 32);
    frames.Resize(kMagnifierSpotFrame, 8, 8);
    Scene scene;
    Magnifier* lens = scene.Add<Magnifier>(100, 100);
    lens->beamLeft = c.beamLeft;
    Screen dark;
    lens->Draw(dark.surface);
    EXPECT_TRUE(dark.Inked(50, 50));
    EXPECT_FALSE(dark.Inked(c.spotOnlyX, 54)) << "no spot while dark";
    lens->lit = true;
    Screen lit;
    lens->Draw(lit.surface);
    EXPECT_TRUE(lit.Inked(c.spotOnlyX, 54)) << "beam left " << c.beamLeft;
    EXPECT_TRUE(lit.Inked(c.spotOnlyX, 61));
    EXPECT_FALSE(lit.Inked(c.spotOnlyX, 62));
    EXPECT_FALSE(lit.Inked(c.pastSpotX, 54));
    EXPECT_EQ(lens->box, Box(Fixed(100), Fixed(100), Fixed(24), Fixed(64)));
  }
}

}  // namespace
}  // namespace qv
