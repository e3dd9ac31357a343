#include "ModBuilder.h"

#include "sound/ModTables.h"

namespace qv::forge {
namespace {

void PutBig16(std::vector<std::uint8_t>* out, int v) {
  out->push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
  out->push_back(static_cast<std::uint8_t>(v & 0xFF));
}

void PutText(std::vector<std::uint8_t>* out, const std::string& text, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i) {
    out->push_back(i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0);
  }
}

}  // namespace

int NoteIndex(const std::string& name) {
  static const int kBase[7] = {9, 11, 0, 2, 4, 5, 7};  // A..G
  if (name.size() < 2 || name[0] < 'A' || name[0] > 'G') return kNoNote;
  int semitone = kBase[name[0] - 'A'];
  std::size_t i = 1;
  if (name[i] == '#') {
    ++semitone;
    ++i;
  } else if (name[i] == 'b') {
    --semitone;
    ++i;
  }
  if (i >= name.size() || name[i] < '0' || name[i] > '6') return kNoNote;
  return (name[i] - '0') * 12 + semitone;
}

std::vector<std::uint8_t> BuildMod(const std::string& title,
                                   const std::vector<ModInstrument>& instruments,
                                   const std::vector<int>& orders,
                                   const std::vector<ModPattern>& patterns) {
  std::vector<std::uint8_t> out;
  PutText(&out, title, 20);
  for (int s = 0; s < 31; ++s) {
    if (static_cast<std::size_t>(s) < instruments.size()) {
      const ModInstrument& in = instruments[static_cast<std::size_t>(s)];
      PutText(&out, in.name, 22);
      PutBig16(&out, static_cast<int>(in.data.size() / 2));
      out.push_back(0);
      out.push_back(static_cast<std::uint8_t>(in.volume));
      PutBig16(&out, in.loopLength ? in.loopStart / 2 : 0);
      PutBig16(&out, in.loopLength ? in.loopLength / 2 : 1);
    } else {
      PutText(&out, "", 22);
      PutBig16(&out, 0);
      out.push_back(0);
      out.push_back(0);
      PutBig16(&out, 0);
      PutBig16(&out, 1);
    }
  }
  out.push_back(static_cast<std::uint8_t>(orders.size()));
  out.push_back(127);
  for (int i = 0; i < 128; ++i) {
    out.push_back(static_cast<std::size_t>(i) < orders.size()
                      ? static_cast<std::uint8_t>(orders[static_cast<std::size_t>(i)])
                      : 0);
  }
  PutText(&out, "M.K.", 4);
  for (const ModPattern& p : patterns) {
    for (const auto& row : p.cells) {
      for (const ModCell& c : row) {
        const int period = c.note == kNoNote ? 0 : PeriodTable(c.note);
        out.push_back(static_cast<std::uint8_t>((c.sample & 0xF0) | ((period >> 8) & 0x0F)));
        out.push_back(static_cast<std::uint8_t>(period & 0xFF));
        out.push_back(static_cast<std::uint8_t>(((c.sample & 0x0F) << 4) | (c.effect & 0x0F)));
        out.push_back(static_cast<std::uint8_t>(c.parameter & 0xFF));
      }
    }
  }
  for (const ModInstrument& in : instruments) {
    for (std::int8_t v : in.data) out.push_back(static_cast<std::uint8_t>(v));
  }
  return out;
}

}  // namespace qv::forge
