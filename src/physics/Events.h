#pragma once

namespace qv {

// Event codes passed to GameObject::OnEvent. They are bits: receivers test
// them with a bitwise and, so 10 is both an ignition and a cut. Explosion is
// the exception and is matched exactly (513 is not an explosion).
constexpr int kEventContact = 1;       // data: Vec2 contact point
constexpr int kEventCut = 2;           // data: Box, ropes crossing it are cut
constexpr int kEventDrive = 4;         // data: the driving GameObject
constexpr int kEventIgnite = 8;        // data: Box, the flame or hot spot
constexpr int kEventRopePull = 16;     // data: Vec2, the direction of the pull
constexpr int kEventLight = 32;        // data: the Flashlight
constexpr int kEventBullet = 64;       // data: Box, the bullet's box
constexpr int kEventExplosion = 512;   // data: null; read the sender's box
constexpr int kEventLeverKick = 1024;  // data: Vec2, the kick

// The values the fire makers and the bullet actually send.
constexpr int kEventIgniteAndCut = kEventIgnite | kEventCut;
constexpr int kEventBulletAndCut = kEventBullet | kEventCut;

}  // namespace qv
