#include "parts/PartRegistry.h"

#include <iterator>

#include "parts/PartCreators.h"
#include "physics/GameObject.h"

namespace qv {
namespace {

// One line per kind. A class that is not written yet stays null; replace the
// null with its creator when it lands.
const PartRegistration kRegistrations[] = {
    {kKindMagnifier, nullptr},
    //
    {kKindTennisBall, &CreateTennisBall},
    //
    {kKindFootball, &CreateFootball},
    //
    {kKindBucket, nullptr},
    //
    {kKindGroundBlock, &CreateGroundBlock},
    //
    {kKindRope, &CreateRope},
    //
    {kKindLever, nullptr},
    //
    {kKindRopeBlock, &CreateRopeBlock},
    //
    {kKindSquirrelCage, &CreateSquirrelCage},
    //
    {kKindBalloon, nullptr},
    //
    {kKindScissors, nullptr},
    //
    {kKindFlashlight, nullptr},
    //
    {kKindTrack, &CreateTrack},
    //
    {kKindLoopRope, &CreateLoopRope},
    //
    {kKindCandle, nullptr},
    //
    {kKindPinion, &CreatePinion},
    //
    {kKindBomb, nullptr},
    //
    {kKindOstrich, &CreateOstrich},
    //
    {kKindPistol, nullptr},
    //
    {kKindGround, &CreateGround},
    //
    {kKindRabbit, &CreateRabbit},
    //
    {kKindCarrot, &CreateCarrot},
    //
    {kKindSupportField, &CreateSupportField},
    //
    {kKindDragField, &CreateDragField},
    //
    {kKindGravityField, &CreateGravityField},
};

}  // namespace

std::span<const PartRegistration> PartRegistrations() {
  return {kRegistrations, std::size(kRegistrations)};
}

}  // namespace qv
