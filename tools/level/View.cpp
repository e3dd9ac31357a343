// The scene viewer: a puzzle with the real sprites in a window (or headless
// from a script), run and stopped as the play screen does it.
#include <cstdio>
#include <memory>
#include <string>

#include "Commands.h"
#include "Scene.h"
#include "app/OptionsFile.h"
#include "platform/KeyMap.h"
#include "platform/Shell.h"
#include "platform/ShellArgs.h"
#include "platform/ShellClient.h"
#include "sound/Mixer.h"
#include "sound/SoundSystem.h"

namespace qv::level {
namespace {

class SceneViewer : public ShellClient {
 public:
  SceneViewer(std::string path, bool withSound) : path_(std::move(path)), withSound_(withSound) {
    if (!LoadOptions(options_)) ResetOptions(options_);
  }

  ~SceneViewer() override {
    scene_.reset();
    SaveOptions(options_);
    if (withSound_) Sound().Shutdown();
  }

  bool Init(int, int) override {
    if (withSound_) StartSound();
    if (!Reload()) {
      std::fprintf(stderr, "%s: does not load\n", path_.c_str());
      return false;
    }
    DrawStopped();
    return true;
  }

  void Tick() override {
    if (running_) {
      scene_->Tick();
    } else {
      DrawStopped();
    }
  }

  // The scene as it stands, on the editing background.
  void DrawStopped() {
    std::uint8_t r, g, b;
    BackgroundColour(false, scene_->LevelNumber(), &r, &g, &b);
    scene_->Screen().Clear(r, g, b);
    scene_->GetWorld().DrawObjects(scene_->Screen());
  }

  bool OnKey(int code, bool pressed) override {
    if (code == kKeyStart && pressed) Toggle();
    return true;
  }

  bool OnStylus(int, int, int action) override {
    if (action == kStylusRelease) Toggle();
    return true;
  }

  bool QuitRequested() const override { return false; }
  void SetLastVirtualKey(int) override {}
  const Options& KeyOptions() const override { return options_; }
  const Surface* BackBufferSurface() const override { return scene_ ? &scene_->Screen() : nullptr; }

  void OnSuspend() override {
    if (Mixer* mixer = TheSoundSystem().GetMixer(); withSound_ && mixer) mixer->Pause();
  }
  void OnResume() override {
    if (Mixer* mixer = TheSoundSystem().GetMixer(); withSound_ && mixer) mixer->Resume();
  }

 private:
  void StartSound() {
    InstallSoundSystem();
    Sound().Startup();
    Sound().LoadMusic();
    Sound().SetSoundOn(options_.soundOn != 0);
    Sound().SetMusicOn(options_.musicOn != 0);
    Sound().SetVolume(static_cast<int>(options_.volume));
  }

  // Stopping returns to the file's state, as the board does from its snapshot.
  bool Reload() {
    scene_.reset();
    scene_ = std::make_unique<Scene>();
    return scene_->Load(path_);
  }

  void Toggle() {
    if (running_) Reload();
    running_ = !running_;
  }

  std::string path_;
  bool withSound_;
  Options options_;
  std::unique_ptr<Scene> scene_;
  bool running_ = false;
};

}  // namespace

int RunView(const Args& args) {
  ShellConfig config;
  config.title = "Quirkvale Game";
  // Until the game has its own pages the viewer is what `make play` starts,
  // so it keeps to one window per user like the game.
  config.singleInstance = true;
  std::vector<std::string> rest;
  std::string error;
  ArgsResult result =
      ParseShellArgs(args, "quirkvale-level view",
                     "usage: quirkvale-level view IN.pzl [options]\n"
                     "Shows the puzzle; Start (F1 or Q) or a tap runs it, and again stops it.\n",
                     &config, &rest, &error);
  if (result == ArgsResult::kExitOk) return 0;
  if (result == ArgsResult::kError || rest.size() != 1) {
    if (!error.empty()) std::fprintf(stderr, "quirkvale-level view: %s\n", error.c_str());
    return Usage(
        "view IN.pzl [--scale N] [--fullscreen] [--tick-rate N] [--headless --script FILE]");
  }
  SceneViewer viewer(rest[0], !config.headless);
  return RunShell(viewer, config);
}

}  // namespace qv::level
