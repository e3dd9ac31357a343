#pragma once

namespace qv {

class Surface;
struct Options;

// What the shell drives: the application object, or a tool such as the scene
// viewer. Every call comes from the shell's one thread.
class ShellClient {
 public:
  virtual ~ShellClient() = default;
  // Creates the client's resources once the display is open.
  virtual bool Init(int width, int height) = 0;
  // One tick: update and draw the whole frame into the back buffer.
  virtual void Tick() = 0;
  virtual bool OnKey(int code, bool pressed) = 0;
  virtual bool OnStylus(int x, int y, int action) = 0;
  virtual bool QuitRequested() const = 0;
  // Every key-down's virtual-key code, before it is mapped.
  virtual void SetLastVirtualKey(int virtualKey) = 0;
  // The options holding the configured buttons for the key map.
  virtual const Options& KeyOptions() const = 0;
  // The 240 x 320 back buffer the shell presents after each tick.
  virtual const Surface* BackBufferSurface() const = 0;
  // The window lost or regained the focus (sound pauses and resumes).
  virtual void OnSuspend() {}
  virtual void OnResume() {}
};

}  // namespace qv
