#include "util/Folders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

namespace qv {
namespace {

std::string gProgramOverride;
std::string gUserOverride;

std::string WithSlash(std::string s) {
  if (!s.empty() && s.back() != '/') s += '/';
  return s;
}

bool IsDir(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string ExecutableFolder() {
  char buf[4096];
  ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return "";
  std::string path(buf, static_cast<std::size_t>(n));
  std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

bool HasData(const std::string& folder) {
  return IsDir(folder + "Images") || IsDir(folder + "Levels") || IsDir(folder + "Sounds");
}

}  // namespace

void SetProgramFolderOverride(const char* folder) {
  gProgramOverride = folder ? WithSlash(folder) : "";
}

void SetUserFolderOverride(const char* folder) {
  gUserOverride = folder ? WithSlash(folder) : "";
}

ByteString ProgramFolder() {
  if (!gProgramOverride.empty()) return ByteString(gProgramOverride.c_str());
  std::string exe = ExecutableFolder();
  if (exe.empty()) return ByteString();
  if (HasData(exe)) return ByteString(exe.c_str());
  // Installed copy: <prefix>/bin/game with data in <prefix>/share/quirkvale/.
  std::string share = exe + "../share/quirkvale/";
  if (HasData(share)) return ByteString(share.c_str());
  return ByteString(exe.c_str());
}

ByteString ImagesFolder() {
  return ProgramFolder() + "Images\\";
}
ByteString SoundsFolder() {
  return ProgramFolder() + "Sounds\\";
}
ByteString LevelsFolder() {
  return ProgramFolder() + "Levels\\";
}

bool MakeFolders(const char* path) {
  std::string p = path ? path : "";
  if (p.empty()) return false;
  for (std::size_t i = 1; i <= p.size(); ++i) {
    if (i == p.size() || p[i] == '/') {
      std::string part = p.substr(0, i);
      if (::mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return false;
    }
  }
  return IsDir(p);
}

ByteString UserFolder() {
  std::string folder = gUserOverride;
  if (folder.empty()) {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg != nullptr && xdg[0] == '/') {
      folder = WithSlash(xdg) + "quirkvale/";
    } else {
      const char* home = std::getenv("HOME");
      folder = WithSlash(home && home[0] ? home : "/tmp") + ".local/share/quirkvale/";
    }
  }
  MakeFolders(folder.c_str());
  return ByteString(folder.c_str());
}

}  // namespace qv
