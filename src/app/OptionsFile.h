#pragma once
#include "app/Options.h"
#include "util/ByteString.h"

namespace qv {

// "global.opt" in the per-user folder.
ByteString OptionsPath();
// True only when the file gave all 36 bytes (a longer file's first 36 are
// used); the record is then taken as it stands, without checks. On false the
// record is unchanged.
bool LoadOptions(Options& options);
// Replaces the file atomically; true when all 36 bytes are in place.
bool SaveOptions(const Options& options);

}  // namespace qv
