#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "Commands.h"
#include "Scene.h"
#include "TickLimit.h"
#include "puzzle/TaskCheck.h"
#include "util/FileStream.h"
#include "util/Folders.h"

namespace qv::level {
namespace {

namespace fs = std::filesystem;

// The first tick (1..limit) after which the task is solved, 0 for none.
int SolvedTick(Scene& scene, int limit) {
  for (int t = 1; t <= limit; ++t) {
    scene.Tick();
    if (IsTaskSolved(scene.GetWorld())) return t;
  }
  return 0;
}

bool IsTutorial(const std::string& path) {
  return fs::path(path).filename().string().rfind("tutor", 0) == 0;
}

// A file inside the data tree's level folder is named as the game names it,
// so the shipped-level check applies exactly as in the game.
std::string GamePath(const std::string& path) {
  std::error_code ec;
  const fs::path levels = fs::weakly_canonical(ResolvePath(LevelsFolder().CStr()), ec);
  const fs::path file = fs::weakly_canonical(path, ec);
  if (!ec && file.parent_path() == levels) {
    return std::string(LevelsFolder().Text()) + file.filename().string();
  }
  return path;
}

std::vector<std::string> ShippedFiles() {
  std::vector<std::string> files;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(ResolvePath(LevelsFolder().CStr()), ec)) {
    const std::string n = e.path().filename().string();
    int number = 0;
    if (MatchesNumberedName(n, "Level", &number) || MatchesNumberedName(n, "tutor", &number))
      files.push_back(std::string(LevelsFolder().Text()) + n);
  }
  std::sort(files.begin(), files.end());
  return files;
}

bool ValidateOne(const std::string& file) {
  const std::string name = fs::path(ResolvePath(file.c_str())).filename().string();
  const std::optional<int> limit = ReadTickLimit(ResolvePath(file.c_str()));
  if (!limit) {
    std::printf("FAIL %s: no tick limit beside it (%s)\n", name.c_str(),
                TickLimitPath(name).c_str());
    return false;
  }
  Scene solution;
  if (!solution.Load(file)) {
    std::printf("FAIL %s: does not load\n", name.c_str());
    return false;
  }
  const int solved = SolvedTick(solution, *limit);
  if (solved == 0) {
    std::printf("FAIL %s: the solution does not meet the task within %d ticks\n", name.c_str(),
                *limit);
    return false;
  }
  if (!IsTutorial(name)) {
    Scene bare;
    bare.Load(file);
    const int taken = TakeFreeParts(bare.GetWorld(), nullptr);
    const int alone = SolvedTick(bare, *limit);
    if (taken == 0 || alone != 0) {
      std::printf("FAIL %s: without its %d free parts the task is met at tick %d\n", name.c_str(),
                  taken, alone);
      return false;
    }
    std::printf("ok %s: solved at tick %d of %d; its %d free parts are needed\n", name.c_str(),
                solved, *limit, taken);
    return true;
  }
  std::printf("ok %s: solved at tick %d of %d\n", name.c_str(), solved, *limit);
  return true;
}

}  // namespace

int RunValidate(const Args& args) {
  std::vector<std::string> files;
  for (const std::string& a : args) files.push_back(GamePath(a));
  if (files.empty()) files = ShippedFiles();
  if (files.empty()) {
    std::printf("FAIL no puzzle files in %s\n", LevelsFolder().Text());
    return 1;
  }
  int failed = 0;
  for (const std::string& f : files) failed += ValidateOne(f) ? 0 : 1;
  std::printf("%zu checked, %d failed\n", files.size(), failed);
  return failed == 0 ? 0 : 1;
}

}  // namespace qv::level
