#pragma once

namespace qv {

// Class ids stored in puzzle files. 0..24 are the placeable parts (15, 16 and
// 22 have icons but no class), 500..502 the force fields, 503 and 504 objects
// that parts create while running.
constexpr int kKindMagnifier = 0;
constexpr int kKindTennisBall = 1;
constexpr int kKindFootball = 2;
constexpr int kKindBucket = 3;
constexpr int kKindGroundBlock = 4;
constexpr int kKindRope = 5;
constexpr int kKindLever = 6;
constexpr int kKindRopeBlock = 7;
constexpr int kKindSquirrelCage = 8;
constexpr int kKindBalloon = 9;
constexpr int kKindScissors = 10;
constexpr int kKindFlashlight = 11;
constexpr int kKindTrack = 12;
constexpr int kKindLoopRope = 13;
constexpr int kKindCandle = 14;
constexpr int kKindFox = 15;
constexpr int kKindWolf = 16;
constexpr int kKindPinion = 17;
constexpr int kKindBomb = 18;
constexpr int kKindOstrich = 19;
constexpr int kKindPistol = 20;
constexpr int kKindGround = 21;
constexpr int kKindMan = 22;
constexpr int kKindRabbit = 23;
constexpr int kKindCarrot = 24;
constexpr int kKindSupportField = 500;
constexpr int kKindDragField = 501;
constexpr int kKindGravityField = 502;
constexpr int kKindBullet = 503;
constexpr int kKindRopeKnot = 504;

constexpr int kNoKind = -1;
// Kind numbers 0..kKindCount-1 are what the palette and the parts bin walk.
constexpr int kKindCount = 25;

}  // namespace qv
