#pragma once
#include <string>

namespace qv::forge {

// One function per part family; each writes its frame sets under root and
// reports whether every file was written.
bool ForgeBalls(const std::string& root);
bool ForgeGround(const std::string& root);
bool ForgeRopeBlock(const std::string& root);
bool ForgeFireParts(const std::string& root);
bool ForgeBomb(const std::string& root);
bool ForgePistol(const std::string& root);
bool ForgeLeverAndScissors(const std::string& root);
bool ForgeBucketAndBalloon(const std::string& root);
bool ForgeDriveTrain(const std::string& root);
bool ForgeAnimals(const std::string& root);

}  // namespace qv::forge
