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
    {kKindRope, nullptr},
    //
    {kKindLever, nullptr},
    //
    {kKindRopeBlock, nullptr},
    //
    {kKindSquirrelCage, nullptr},
    //
    {kKindBalloon, nullptr},
    //
    {kKindScissors, nullptr},
    //
    {kKindFlashlight, nullptr},
    //
    {kKindTrack, nullptr},
    //
    {kKindLoopRope, nullptr},
    //
    {kKindCandle, nullptr},
    //
    {kKindPinion, nullptr},
    //
    {kKindBomb, nullptr},
    //
    {kKindOstrich, nullptr},
    //
    {kKindPistol, nullptr},
    //
    {kKindGround, &CreateGround},
    //
    {kKindRabbit, nullptr},
    //
    {kKindCarrot, nullptr},
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
