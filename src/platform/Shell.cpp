#include "platform/Shell.h"

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/InputRouter.h"
#include "platform/Script.h"
#include "platform/ShellArgs.h"
#include "platform/ShellClient.h"
#include "platform/SingleInstance.h"
#include "util/Folders.h"

namespace qv {

int RunWindowed(ShellClient& client, const ShellConfig& config, SingleInstance* instance);

namespace {

volatile std::sig_atomic_t gTerminate = 0;

void OnTerminate(int) {
  gTerminate = 1;
}

constexpr int kScreenWidth = 240;
constexpr int kScreenHeight = 320;

int RunHeadless(ShellClient& client, const ShellConfig& config) {
  std::vector<ScriptCommand> commands;
  std::string error;
  if (!LoadScript(config.script, &commands, &error)) {
    std::fprintf(stderr, "script: %s\n", error.c_str());
    return 2;
  }
  if (!client.Init(kScreenWidth, kScreenHeight)) {
    std::fprintf(stderr, "cannot start: resources failed to load\n");
    return 1;
  }
  InputRouter router(client, kScreenWidth, kScreenHeight);
  if (!RunScript(commands, client, router, &error)) {
    std::fprintf(stderr, "script: %s\n", error.c_str());
    return 1;
  }
  return 0;
}

}  // namespace

bool TerminationRequested() {
  return gTerminate != 0;
}

void InstallTerminationHandlers() {
  std::signal(SIGTERM, OnTerminate);
  std::signal(SIGINT, OnTerminate);
}

int RunShell(ShellClient& client, const ShellConfig& config) {
  InstallTerminationHandlers();
  if (config.headless) return RunHeadless(client, config);
  if (config.singleInstance) {
    SingleInstance instance(UserFolder().Text());
    if (!instance.Acquire()) return 0;
    return RunWindowed(client, config, &instance);
  }
  return RunWindowed(client, config, nullptr);
}

}  // namespace qv
