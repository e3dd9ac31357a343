#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace qv::forge {

constexpr int kNoNote = -1;

// One cell of a pattern: note is an index into the finetune-0 periods
// (24 = C-2), or kNoNote.
struct ModCell {
  int sample = 0;
  int note = kNoNote;
  int effect = 0;
  int parameter = 0;
};

struct ModPattern {
  ModCell cells[64][4];
};

struct ModInstrument {
  std::string name;
  std::vector<std::int8_t> data;  // even length
  int volume = 64;
  int loopStart = 0;  // bytes; loopLength 0 means one-shot
  int loopLength = 0;
};

// Writes a 31-sample "M.K." module image.
std::vector<std::uint8_t> BuildMod(const std::string& title,
                                   const std::vector<ModInstrument>& instruments,
                                   const std::vector<int>& orders,
                                   const std::vector<ModPattern>& patterns);

// Note index from a name such as "C2", "F#3" or "Bb1"; kNoNote if unknown.
int NoteIndex(const std::string& name);

}  // namespace qv::forge
