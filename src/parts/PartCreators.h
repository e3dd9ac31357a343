#pragma once
#include <memory>

namespace qv {

class GameObject;

// The creator of every class the factory makes, each defined next to its
// class. PartRegistry.cpp maps kinds to them.
std::unique_ptr<GameObject> CreateMagnifier();
std::unique_ptr<GameObject> CreateTennisBall();
std::unique_ptr<GameObject> CreateFootball();
std::unique_ptr<GameObject> CreateBucket();
std::unique_ptr<GameObject> CreateGroundBlock();
std::unique_ptr<GameObject> CreateRope();
std::unique_ptr<GameObject> CreateLever();
std::unique_ptr<GameObject> CreateRopeBlock();
std::unique_ptr<GameObject> CreateSquirrelCage();
std::unique_ptr<GameObject> CreateBalloon();
std::unique_ptr<GameObject> CreateScissors();
std::unique_ptr<GameObject> CreateFlashlight();
std::unique_ptr<GameObject> CreateTrack();
std::unique_ptr<GameObject> CreateLoopRope();
std::unique_ptr<GameObject> CreateCandle();
std::unique_ptr<GameObject> CreatePinion();
std::unique_ptr<GameObject> CreateBomb();
std::unique_ptr<GameObject> CreateOstrich();
std::unique_ptr<GameObject> CreatePistol();
std::unique_ptr<GameObject> CreateGround();
std::unique_ptr<GameObject> CreateRabbit();
std::unique_ptr<GameObject> CreateCarrot();
std::unique_ptr<GameObject> CreateSupportField();
std::unique_ptr<GameObject> CreateDragField();
std::unique_ptr<GameObject> CreateGravityField();

}  // namespace qv
