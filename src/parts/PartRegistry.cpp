#include "parts/PartRegistry.h"

#include <iterator>

#include "parts/PartCreators.h"
#include "physics/GameObject.h"

namespace qv {
namespace {

// One line per kind. A class that is not written yet stays null; replace the
// null with its creator when it lands.
const PartRegistration kRegistrations[] = {
    {kKindMagnifier, &CreateMagnifier},
    //
    {kKindTennisBall, &CreateTennisBall},
    //
    {kKindFootball, &CreateFootball},
    //
    {kKindBucket, &CreateBucket},
    //
    {kKindGroundBlock, &CreateGroundBlock},
    //
    {kKindRope, &CreateRope},
    //
    {kKindLever, &CreateLever},
    //
    {kKindRopeBlock, &CreateRopeBlock},
    //
    {kKindSquirrelCage, &CreateSquirrelCage},
    //
    {kKindBalloon, &CreateBalloon},
    //
    {kKindScissors, &CreateScissors},
    //
    {kKindFlashlight, &CreateFlashlight},
    //
    {kKindTrack, &CreateTrack},
    //
    {kKindLoopRope, &CreateLoopRope},
    //
    {kKindCandle, &CreateCandle},
    //
    {kKindPinion, &CreatePinion},
    //
    {kKindBomb, &CreateBomb},
    //
    {kKindOstrich, &CreateOstrich},
    //
    {kKindPistol, &CreatePistol},
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
