#pragma once
#include <string>

namespace qv {

// One running copy per user: the first start holds a lock file in the
// per-user folder and listens on a pipe beside it; a second start finds the
// lock, asks the first to come to the front, and leaves.
class SingleInstance {
 public:
  explicit SingleInstance(std::string folder);
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // True when this process is now the one instance. When another holds the
  // lock, sends it a raise request and returns false.
  bool Acquire();
  // True once per raise request that arrived since the last call.
  bool RaiseRequested();

 private:
  std::string folder_;
  int lockFd_ = -1;
  int pipeFd_ = -1;
};

}  // namespace qv
