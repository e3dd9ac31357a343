#pragma once
#include <string>

#include "util/Stream.h"

namespace qv {

// Turns a game path (backslash separated, letter case as the data was named)
// into a host path. Components that do not exist as written are matched
// without regard to case; when nothing matches the name is kept as written.
std::string ResolvePath(const char* path);

class FileStream : public Stream {
 public:
  FileStream() = default;
  FileStream(const FileStream&) = delete;
  FileStream& operator=(const FileStream&) = delete;
  ~FileStream() override;

  bool Open(const char* path, int mode) override;
  bool IsOpen() const override { return fd_ >= 0; }
  void Close() override;
  int Size() override;
  bool Seek(int offset, int origin) override;
  int Read(void* buffer, int count) override;
  int Write(const void* buffer, int count) override;
  bool VerifyChecksum(std::uint32_t expected) override;

 protected:
  int fd_ = -1;
};

}  // namespace qv
