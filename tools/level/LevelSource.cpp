#include "LevelSource.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "physics/ObjectFactory.h"
#include "physics/ObjectKind.h"

namespace qv::level {
namespace {

struct KindNameEntry {
  int kind;
  const char* name;
};

constexpr KindNameEntry kKindNames[] = {
    {kKindMagnifier, "magnifier"},
    {kKindTennisBall, "tennis-ball"},
    {kKindFootball, "football"},
    {kKindBucket, "bucket"},
    {kKindGroundBlock, "ground-block"},
    {kKindRope, "rope"},
    {kKindLever, "lever"},
    {kKindRopeBlock, "rope-block"},
    {kKindSquirrelCage, "squirrel-cage"},
    {kKindBalloon, "balloon"},
    {kKindScissors, "scissors"},
    {kKindFlashlight, "flashlight"},
    {kKindTrack, "track"},
    {kKindLoopRope, "loop-rope"},
    {kKindCandle, "candle"},
    {kKindPinion, "pinion"},
    {kKindBomb, "bomb"},
    {kKindOstrich, "ostrich"},
    {kKindPistol, "pistol"},
    {kKindGround, "ground"},
    {kKindRabbit, "rabbit"},
    {kKindCarrot, "carrot"},
    {kKindSupportField, "support-field"},
    {kKindDragField, "drag-field"},
    {kKindGravityField, "gravity-field"},
};

bool ParseInt(const std::string& s, long long lo, long long hi, long long* out) {
  if (s.empty()) return false;
  char* end = nullptr;
  long long v = std::strtoll(s.c_str(), &end, 10);
  if (*end != '\0' || v < lo || v > hi) return false;
  *out = v;
  return true;
}

bool ParseInt32(const std::string& s, int* out) {
  long long v = 0;
  if (!ParseInt(s, INT32_MIN, INT32_MAX, &v)) return false;
  *out = static_cast<int>(v);
  return true;
}

std::vector<std::string> Split(const std::string& s, char sep) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    std::size_t pos = s.find(sep, start);
    parts.push_back(s.substr(start, pos - start));
    if (pos == std::string::npos) return parts;
    start = pos + 1;
  }
}

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  std::string w;
  while (in >> w) words.push_back(w);
  return words;
}

bool IsLabel(const std::string& s) {
  if (s.empty() || s == "-") return false;
  for (char c : s) {
    if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_')) return false;
  }
  return true;
}

// "text" takes the rest of the line in double quotes with \n, \", \\ and
// \xHH escapes.
bool ParseQuoted(const std::string& s, std::string* out) {
  std::size_t i = s.find_first_not_of(" \t");
  if (i == std::string::npos || s[i] != '"') return false;
  std::string r;
  for (++i; i < s.size(); ++i) {
    char c = s[i];
    if (c == '"') {
      if (s.find_first_not_of(" \t", i + 1) != std::string::npos) return false;
      *out = r;
      return true;
    }
    if (c != '\\') {
      r += c;
      continue;
    }
    if (++i >= s.size()) return false;
    c = s[i];
    if (c == 'n') {
      r += '\n';
    } else if (c == '"' || c == '\\') {
      r += c;
    } else if (c == 'x' && i + 2 < s.size()) {
      r += static_cast<char>(std::strtol(s.substr(i + 1, 2).c_str(), nullptr, 16));
      i += 2;
    } else {
      return false;
    }
  }
  return false;
}

std::string Quote(const std::string& s) {
  std::string r = "\"";
  for (unsigned char c : s) {
    if (c == '\n') {
      r += "\\n";
    } else if (c == '"' || c == '\\') {
      r += '\\';
      r += static_cast<char>(c);
    } else if (c < 0x20 || c >= 0x7F) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02X", c);
      r += buf;
    } else {
      r += static_cast<char>(c);
    }
  }
  return r + "\"";
}

bool ParseRef(const std::string& s, SourceRef* ref) {
  if (s == "-") {
    ref->label.clear();
    return true;
  }
  if (!IsLabel(s)) return false;
  ref->label = s;
  return true;
}

// label:hook[/mode][~rest]
bool ParseEnd(const std::string& s, SourceEnd* end) {
  std::string rest = s;
  std::size_t tilde = rest.find('~');
  if (tilde != std::string::npos) {
    int v = 0;
    if (!ParseInt32(rest.substr(tilde + 1), &v)) return false;
    end->rest = v;
    rest = rest.substr(0, tilde);
  }
  std::size_t slash = rest.find('/');
  if (slash != std::string::npos) {
    int v = 0;
    if (!ParseInt32(rest.substr(slash + 1), &v)) return false;
    end->mode = v;
    rest = rest.substr(0, slash);
  }
  std::size_t colon = rest.find(':');
  if (colon == std::string::npos) return false;
  return ParseRef(rest.substr(0, colon), &end->ref) &&
         ParseInt32(rest.substr(colon + 1), &end->hook);
}

bool ParseAttribute(const std::string& word, SourceObject* o, std::string* why) {
  if (word == "locked") {
    o->locked = true;
    return true;
  }
  std::size_t eq = word.find('=');
  if (eq == std::string::npos) {
    if (!o->label.empty() || !IsLabel(word)) {
      *why = "unexpected word '" + word + "'";
      return false;
    }
    o->label = word;
    return true;
  }
  const std::string key = word.substr(0, eq);
  const std::string value = word.substr(eq + 1);
  int v = 0;
  if (key == "goals") {
    for (const std::string& g : Split(value, ',')) {
      if (!ParseInt32(g, &v) || v < 0 || v >= kTargetSlots) {
        *why = "bad goal '" + g + "'";
        return false;
      }
      o->goals[v] = true;
    }
    return true;
  }
  if (key == "ends") {
    o->hasEnds = true;
    for (const std::string& e : Split(value, ',')) {
      SourceEnd end;
      if (!ParseEnd(e, &end)) {
        *why = "bad end '" + e + "' (label:hook)";
        return false;
      }
      o->ends.push_back(end);
    }
    return true;
  }
  if (!ParseInt32(value, &v)) {
    *why = "bad number in '" + word + "'";
    return false;
  }
  if (key == "x") {
    o->x = v;
  } else if (key == "y") {
    o->y = v;
  } else if (key == "w") {
    o->w = v;
  } else if (key == "h") {
    o->h = v;
  } else if (key == "o") {
    o->orientation = v;
  } else if (key == "id") {
    o->id = v;
  } else {
    *why = "unknown attribute '" + key + "'";
    return false;
  }
  return true;
}

bool ParseLine(const std::string& line, LevelSource* out, std::string* why, int lineNo) {
  std::vector<std::string> words = Words(line);
  if (words.empty()) return true;
  const std::string& head = words[0];
  if (head == "text") {
    if (!ParseQuoted(line.substr(line.find("text") + 4), &out->text)) {
      *why = "text needs one quoted string";
      return false;
    }
    return true;
  }
  if (head == "ticks") {
    int v = 0;
    if (words.size() != 2 || !ParseInt32(words[1], &v) || v < 1) {
      *why = "ticks needs one positive number";
      return false;
    }
    out->ticks = v;
    return true;
  }
  if (head == "fields") {
    if (words.size() != 2 || words[1] != "explicit") {
      *why = "only 'fields explicit' is known";
      return false;
    }
    out->implicitFields = false;
    return true;
  }
  if (head == "link") {
    SourceLink link;
    if (words.size() != 4 || !ParseRef(words[1], &link.a) || !ParseInt32(words[2], &link.value) ||
        !ParseRef(words[3], &link.b)) {
      *why = "link needs: link LABEL VALUE LABEL";
      return false;
    }
    out->links.push_back(link);
    return true;
  }
  SourceObject o;
  o.line = lineNo;
  o.kind = KindFromName(head);
  if (o.kind == kNoKind) {
    *why = "unknown kind '" + head + "'";
    return false;
  }
  for (std::size_t i = 1; i < words.size(); ++i) {
    if (!ParseAttribute(words[i], &o, why)) return false;
  }
  out->objects.push_back(o);
  return true;
}

std::string GoalList(const bool goals[kTargetSlots]) {
  std::string s;
  for (int i = 0; i < kTargetSlots; ++i) {
    if (!goals[i]) continue;
    if (!s.empty()) s += ',';
    s += std::to_string(i);
  }
  return s;
}

std::string RefText(const SourceRef& ref) {
  return ref.label.empty() ? "-" : ref.label;
}

}  // namespace

const char* KindName(int kind) {
  for (const KindNameEntry& e : kKindNames) {
    if (e.kind == kind) return e.name;
  }
  return nullptr;
}

int KindFromName(const std::string& name) {
  for (const KindNameEntry& e : kKindNames) {
    if (name == e.name) return e.kind;
  }
  return kNoKind;
}

bool ParseLevelSource(const std::string& text, LevelSource* out, std::string* error) {
  *out = LevelSource();
  std::istringstream in(text);
  std::string line;
  int lineNo = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    std::size_t hash = line.find('#');
    // A '#' inside the quoted text is part of the text.
    if (hash != std::string::npos && line.find('"') == std::string::npos) line.erase(hash);
    std::string why;
    if (!ParseLine(line, out, &why, lineNo)) {
      *error = "line " + std::to_string(lineNo) + ": " + why;
      return false;
    }
  }
  return true;
}

std::string PrintLevelSource(const LevelSource& s) {
  std::ostringstream out;
  out << "text " << Quote(s.text) << "\n";
  if (s.ticks) out << "ticks " << *s.ticks << "\n";
  if (!s.implicitFields) out << "fields explicit\n";
  out << "\n";
  for (const SourceObject& o : s.objects) {
    out << KindName(o.kind);
    if (!o.label.empty()) out << " " << o.label;
    const bool unplaced = IsFieldKind(o.kind) || o.kind == kKindRope || o.kind == kKindLoopRope;
    const bool placed = !(unplaced && o.x == 0 && o.y == 0);
    if (placed) out << " x=" << o.x << " y=" << o.y;
    if (o.w) out << " w=" << *o.w;
    if (o.h) out << " h=" << *o.h;
    if (o.orientation != 0) out << " o=" << o.orientation;
    if (o.locked) out << " locked";
    std::string goals = GoalList(o.goals);
    if (!goals.empty()) out << " goals=" << goals;
    if (o.id) out << " id=" << *o.id;
    if (o.hasEnds) {
      out << " ends=";
      for (std::size_t i = 0; i < o.ends.size(); ++i) {
        const SourceEnd& e = o.ends[i];
        if (i > 0) out << ",";
        out << RefText(e.ref) << ":" << e.hook;
        if (e.mode) out << "/" << *e.mode;
        if (e.rest) out << "~" << *e.rest;
      }
    }
    out << "\n";
  }
  for (const SourceLink& l : s.links) {
    out << "link " << RefText(l.a) << " " << l.value << " " << RefText(l.b) << "\n";
  }
  return out.str();
}

}  // namespace qv::level
