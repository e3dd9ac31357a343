#include "util/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace qv {
namespace {

long long gFailAfter = -1;
long long gWritten = 0;

}  // namespace

void AtomicFileStream::SetFailAfterBytesForTesting(long long bytes) {
  gFailAfter = bytes;
  gWritten = 0;
}

AtomicFileStream::~AtomicFileStream() {
  Abandon();
}

bool AtomicFileStream::Open(const char* path, int mode) {
  Abandon();
  if (path == nullptr || (mode & kModeWrite) == 0 || (mode & kModeRead) != 0) return false;
  target_ = ResolvePath(path);
  temp_ = target_ + ".tmp-XXXXXX";
  fd_ = ::mkostemp(temp_.data(), O_CLOEXEC);
  failed_ = false;
  if (fd_ < 0) {
    temp_.clear();
    return false;
  }
  ::fchmod(fd_, 0644);
  return true;
}

int AtomicFileStream::Write(const void* buffer, int count) {
  if (!IsOpen()) return -1;
  if (gFailAfter >= 0 && gWritten + count > gFailAfter) {
    failed_ = true;
    return -1;
  }
  int n = FileStream::Write(buffer, count);
  if (n != count) failed_ = true;
  if (n > 0) gWritten += n;
  return n;
}

bool AtomicFileStream::Commit() {
  if (!IsOpen()) return false;
  bool ok = !failed_ && ::fsync(fd_) == 0;
  ok = (::close(fd_) == 0) && ok;
  fd_ = -1;
  if (ok) ok = std::rename(temp_.c_str(), target_.c_str()) == 0;
  if (!ok) ::unlink(temp_.c_str());
  temp_.clear();
  return ok;
}

void AtomicFileStream::Abandon() {
  if (IsOpen()) Close();
  if (!temp_.empty()) ::unlink(temp_.c_str());
  temp_.clear();
}

bool WriteFileAtomically(const char* path, const void* data, int size) {
  AtomicFileStream out;
  if (!out.Open(path, kModeCreateWrite)) return false;
  if (out.Write(data, size) != size) return false;
  return out.Commit();
}

}  // namespace qv
