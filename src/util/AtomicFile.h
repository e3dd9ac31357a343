#pragma once
#include <string>

#include "util/FileStream.h"

namespace qv {

// A write stream that replaces its target only when Commit succeeds: the data
// goes to a temporary file in the same folder, is flushed, and is renamed over
// the target. Without Commit (or when any write failed) the old file stays.
class AtomicFileStream : public FileStream {
 public:
  AtomicFileStream() = default;
  ~AtomicFileStream() override;

  // Only the create-and-write mode makes sense here; other modes fail.
  bool Open(const char* path, int mode) override;
  int Write(const void* buffer, int count) override;
  // Flushes and renames; false leaves the previous file untouched.
  bool Commit();
  // Drops the temporary file.
  void Abandon();

  // Test hook: when >= 0, writes fail once this many bytes have been written
  // by any atomic stream. Reset with -1.
  static void SetFailAfterBytesForTesting(long long bytes);

 private:
  std::string target_;
  std::string temp_;
  bool failed_ = false;
};

// Writes size bytes to path atomically. True when the new content is in place.
bool WriteFileAtomically(const char* path, const void* data, int size);

}  // namespace qv
