#include "parts/PartSprites.h"

#include "parts/Families.h"

namespace qv::forge {

bool ForgePartSprites(const std::string& imagesRoot) {
  using Forger = bool (*)(const std::string&);
  const Forger forgers[] = {
      ForgeBalls,  ForgeGround,           ForgeRopeBlock,        ForgeFireParts,  ForgeBomb,
      ForgePistol, ForgeLeverAndScissors, ForgeBucketAndBalloon, ForgeDriveTrain, ForgeAnimals};
  bool ok = true;
  for (Forger forge : forgers) ok = forge(imagesRoot) && ok;
  return ok;
}

}  // namespace qv::forge
