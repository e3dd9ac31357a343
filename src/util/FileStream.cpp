#include "util/FileStream.h"

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "util/Checksum.h"

namespace qv {
namespace {

bool Exists(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0;
}

// Finds an entry of dir whose name equals name without regard to case.
bool FindNoCase(const std::string& dir, const std::string& name, std::string* found) {
  DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
  if (d == nullptr) return false;
  bool ok = false;
  while (dirent* e = ::readdir(d)) {
    if (::strcasecmp(e->d_name, name.c_str()) == 0) {
      *found = e->d_name;
      ok = true;
      break;
    }
  }
  ::closedir(d);
  return ok;
}

}  // namespace

std::string ResolvePath(const char* path) {
  std::string p = path ? path : "";
  for (char& c : p) {
    if (c == '\\') c = '/';
  }
  if (p.empty() || Exists(p)) return p;

  std::string result;
  std::size_t pos = 0;
  if (p[0] == '/') {
    result = "/";
    pos = 1;
  }
  while (pos <= p.size()) {
    std::size_t next = p.find('/', pos);
    if (next == std::string::npos) next = p.size();
    std::string part = p.substr(pos, next - pos);
    pos = next + 1;
    if (part.empty()) continue;
    std::string candidate =
        result.empty() || result.back() == '/' ? result + part : result + "/" + part;
    if (!Exists(candidate) && part != "." && part != "..") {
      std::string found;
      std::string dir = result.empty() ? "." : result;
      if (FindNoCase(dir, part, &found)) {
        candidate = result.empty() || result.back() == '/' ? result + found : result + "/" + found;
      }
    }
    result = candidate;
  }
  return result;
}

FileStream::~FileStream() {
  Close();
}

bool FileStream::Open(const char* path, int mode) {
  Close();
  if (path == nullptr) return false;
  int flags = 0;
  bool read = (mode & kModeRead) != 0;
  bool write = (mode & kModeWrite) != 0;
  if (read && write) {
    flags = O_RDWR;
  } else if (write) {
    flags = O_WRONLY;
  } else {
    flags = O_RDONLY;
  }
  // An existing file is opened when reading, or writing without create;
  // otherwise create-or-truncate.
  if (!read && (mode & kModeCreate)) flags |= O_CREAT | O_TRUNC;
  flags |= O_CLOEXEC;
  std::string host = ResolvePath(path);
  fd_ = ::open(host.c_str(), flags, 0644);
  if (fd_ >= 0) {
    struct stat st;
    if (::fstat(fd_, &st) != 0 || S_ISDIR(st.st_mode)) Close();
  }
  return IsOpen();
}

void FileStream::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

int FileStream::Size() {
  if (fd_ < 0) return 0;
  struct stat st;
  if (::fstat(fd_, &st) != 0) return 0;
  if (st.st_size > 0x7FFFFFFF) return 0x7FFFFFFF;
  return static_cast<int>(st.st_size);
}

bool FileStream::Seek(int offset, int origin) {
  if (fd_ < 0) return false;
  int whence = SEEK_SET;
  if (origin == kSeekCurrent) whence = SEEK_CUR;
  if (origin == kSeekEnd) whence = SEEK_END;
  return ::lseek(fd_, offset, whence) >= 0;
}

int FileStream::Read(void* buffer, int count) {
  if (fd_ < 0 || count < 0) return -1;
  auto* out = static_cast<char*>(buffer);
  int total = 0;
  while (total < count) {
    ssize_t n = ::read(fd_, out + total, static_cast<std::size_t>(count - total));
    if (n < 0) {
      if (errno == EINTR) continue;
      return -1;
    }
    if (n == 0) break;
    total += static_cast<int>(n);
  }
  return total;
}

int FileStream::Write(const void* buffer, int count) {
  if (fd_ < 0 || count < 0) return -1;
  const auto* in = static_cast<const char*>(buffer);
  int total = 0;
  while (total < count) {
    ssize_t n = ::write(fd_, in + total, static_cast<std::size_t>(count - total));
    if (n < 0) {
      if (errno == EINTR) continue;
      return -1;
    }
    total += static_cast<int>(n);
  }
  return total;
}

bool FileStream::VerifyChecksum(std::uint32_t expected) {
  int size = Size();
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  if (!Seek(0, kSeekStart)) return false;
  if (Read(bytes.data(), size) < size) return false;
  std::uint16_t value = Checksum16(bytes.data(), bytes.size());
  Seek(0, kSeekStart);
  return (expected & 0xFFFF) == value;
}

}  // namespace qv
