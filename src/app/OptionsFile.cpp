#include "app/OptionsFile.h"

#include "util/AtomicFile.h"
#include "util/FileStream.h"
#include "util/Folders.h"

namespace qv {

ByteString OptionsPath() {
  return UserFolder() + "global.opt";
}

bool LoadOptions(Options& options) {
  FileStream file;
  if (!file.Open(OptionsPath().CStr(), kModeReadExisting)) return false;
  std::uint8_t bytes[kOptionsFileSize];
  if (!file.Seek(0, kSeekStart) || file.Read(bytes, kOptionsFileSize) != kOptionsFileSize) {
    return false;
  }
  DecodeOptions(bytes, options);
  return true;
}

bool SaveOptions(const Options& options) {
  std::uint8_t bytes[kOptionsFileSize];
  EncodeOptions(options, bytes);
  return WriteFileAtomically(OptionsPath().CStr(), bytes, kOptionsFileSize);
}

}  // namespace qv
