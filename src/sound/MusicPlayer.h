#pragma once
#include <cstdint>

#include "sound/Channel.h"

namespace qv {

class Module;

constexpr int kModTrackCount = 4;
constexpr int kNoJump = 0xFFFFFF;
constexpr int kNoCounter = -1000;

// One of the four tracks of a playing module, with its effect memory.
struct ModTrack {
  int note = 0;  // finetune * 84 + note index
  int period = 0;
  int sample = 0;
  std::uint32_t step = 0;  // 16.16
  int volume = 0;
  int effective = 0;
  int effect = 0;
  int x = 0;
  int y = 0;
  int parameter = 0;
  std::uint64_t position = 0;  // 16.16, 64-bit so long samples cannot overflow
  int pan = 128;

  int slideAmount = 0;
  int portamentoPeriod = 0;
  int toneTarget = 0;
  int toneSpeed = 0;
  int arpeggioCounter = 0;
  std::uint32_t arpeggioSteps[3] = {};
  int vibratoPosition = 0;
  int vibratoSpeed = 9;
  int vibratoDepth = 2;
  int delayCounter = kNoCounter;
  int delayedPeriod = 0;
  int cutCounter = kNoCounter;
  bool loopRunning = false;
  int loopCount = 0;
  int loopRow = 0;
  std::uint64_t sampleOffset = 0;
};

struct ModSampleInfo {
  std::uint64_t length = 0;  // bytes << 16
  std::uint64_t loopStart = 0;
  std::uint64_t loopLength = 0;
  int volume = 0;
  int finetune = 0;
  const std::uint8_t* data = nullptr;
};

// Plays a module on four tracks, one output frame at a time.
class MusicPlayer : public Channel {
 public:
  void SetChannelVolume(int v) override;
  // Tracks 0 and 3 lean one way, 1 and 2 the other.
  void SetPan(int p) override;

  // Sets the player up for module (data checked by the loader) and starts it.
  void Begin(const Module& module);
  // Advances one output frame and adds the tracks; a song that ends stops
  // the player and adds nothing.
  void MixFrame(int outputRate, bool stereo, std::int32_t* left, std::int32_t* right);

  int Speed() const { return speed; }
  int TickRate() const { return tickRate; }
  int Order() const { return order; }
  int Row() const { return rowOffset / 4; }
  const ModTrack& Track(int i) const { return tracks[i]; }

  const std::uint8_t* song = nullptr;
  const std::uint8_t* patterns = nullptr;
  int songLength = 0;
  int pattern = 0;
  int rowOffset = 0;
  int order = 0;
  int restart = 0;
  // 24.8 fixed point: the fraction keeps the tempo exact over a whole song.
  std::uint32_t samplesPerTick = 0;
  std::uint32_t frameCounter = 0;  // 24.8
  int speed = 6;
  int tickCounter = 0;
  ModTrack tracks[kModTrackCount];
  ModSampleInfo samples[32];
  int nextOrder = kNoJump;
  int nextRow = kNoJump;
  int patternDelay = 0;
  int tickRate = 50;

 private:
  bool ended_ = false;  // the song is over once its last row has played
  void ReadRow(int outputRate);
  void ReadCell(ModTrack& t, const std::uint8_t* cell, int outputRate);
  void RowEffect(ModTrack& t, int cellPeriod, int outputRate);
  void AdvanceRow();
  void TickEffects(int outputRate);
  void TickEffect(ModTrack& t, int outputRate);
  void MixTrack(ModTrack& t, bool stereo, std::int32_t* left, std::int32_t* right);
  void UpdateTrackVolume(ModTrack& t) { t.effective = (t.volume * effective) >> 6; }
  void SlideVolume(ModTrack& t);
  void TonePortamento(ModTrack& t, int outputRate);
  void Vibrato(ModTrack& t, int outputRate);
};

}  // namespace qv
