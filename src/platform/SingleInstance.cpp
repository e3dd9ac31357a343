#include "platform/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace qv {

SingleInstance::SingleInstance(std::string folder) : folder_(std::move(folder)) {
  if (!folder_.empty() && folder_.back() != '/') folder_ += '/';
}

SingleInstance::~SingleInstance() {
  if (pipeFd_ >= 0) ::close(pipeFd_);
  if (lockFd_ >= 0) ::close(lockFd_);
}

bool SingleInstance::Acquire() {
  std::string lockPath = folder_ + "instance.lock";
  std::string pipePath = folder_ + "instance.pipe";
  lockFd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (lockFd_ < 0) return true;  // no folder to lock in: do not stop the game
  if (::flock(lockFd_, LOCK_EX | LOCK_NB) != 0) {
    ::close(lockFd_);
    lockFd_ = -1;
    int fd = ::open(pipePath.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
      const char raise = 'R';
      (void)!::write(fd, &raise, 1);
      ::close(fd);
    }
    return false;
  }
  if (::mkfifo(pipePath.c_str(), 0600) != 0 && errno != EEXIST) return true;
  pipeFd_ = ::open(pipePath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  return true;
}

bool SingleInstance::RaiseRequested() {
  if (pipeFd_ < 0) return false;
  char buf[16];
  bool any = false;
  for (;;) {
    ssize_t n = ::read(pipeFd_, buf, sizeof buf);
    if (n <= 0) break;
    any = true;
  }
  return any;
}

}  // namespace qv
