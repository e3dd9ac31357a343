#include "ContactSheets.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <sstream>
#include <vector>

#include "Canvas.h"

namespace qv::forge {
namespace {

namespace fs = std::filesystem;

constexpr int kScale = 3;
constexpr int kGap = 8;

struct Fonts {
  FontPreview big, small, menu;
  bool ok = false;
};

Fonts LoadFonts(const std::string& root) {
  Fonts f;
  f.ok = ReadFontPreview(root + "/Z_System/FontBig176x208.bmp", &f.big) &&
         ReadFontPreview(root + "/Z_System/FontSmall176x208.bmp", &f.small) &&
         ReadFontPreview(root + "/Z_System/FontMenu240x320.bmp", &f.menu);
  return f;
}

bool IsCompanion(const fs::path& p) {
  std::string n = p.filename().string();
  return n.size() > 2 && (n[0] == 'A' || n[0] == 'a') && n[1] == '_';
}

bool IsBmp(const fs::path& p) {
  std::string e = p.extension().string();
  std::transform(e.begin(), e.end(), e.begin(), [](unsigned char c) { return std::tolower(c); });
  return e == ".bmp";
}

// Pictures of one folder (companions left out), in name order.
std::vector<fs::path> PicturesIn(const fs::path& dir) {
  std::vector<fs::path> out;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(dir, ec)) {
    if (e.is_regular_file() && IsBmp(e.path()) && !IsCompanion(e.path())) out.push_back(e.path());
  }
  std::sort(out.begin(), out.end());
  return out;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> out;
  std::stringstream s(text);
  std::string line;
  while (std::getline(s, line)) out.push_back(line);
  return out;
}

// One folder's frames: a label, then the frames at 3x on checkerboards,
// wrapped at the sheet width. Returns the height used.
int LayoutFrames(Canvas* c, const Fonts& fonts, const std::string& label,
                 const std::vector<Picture>& pics, int y, int width) {
  if (c && fonts.ok) c->DrawText(fonts.small, 1, kGap, y, label, 20, 20, 20, false, 1);
  int top = y + 16, x = kGap, rowH = 0;
  for (const Picture& p : pics) {
    int w = p.width * kScale, h = p.height * kScale;
    if (x + w > width - kGap && x > kGap) {
      x = kGap;
      top += rowH + kGap;
      rowH = 0;
    }
    if (c) {
      c->Checker(x, top, w, h, 6);
      c->DrawPicture(p, x, top, kScale);
    }
    x += w + kGap;
    rowH = std::max(rowH, h);
  }
  return top + rowH + 2 * kGap - y;
}

bool PartsSheet(const std::string& root, const std::string& out, const Fonts& fonts) {
  std::map<std::string, std::vector<Picture>> sets;
  std::error_code ec;
  for (const auto& e : fs::recursive_directory_iterator(root, ec)) {
    if (!e.is_directory()) continue;
    std::string rel = fs::relative(e.path(), root).generic_string();
    if (rel.rfind("Z_", 0) == 0) continue;
    for (const fs::path& p : PicturesIn(e.path())) {
      Picture pic;
      if (ReadPicture(p.string(), &pic)) sets[rel].push_back(std::move(pic));
    }
  }
  const int width = 1560;
  int height = kGap;
  for (const auto& [name, pics] : sets) {
    if (!pics.empty()) height += LayoutFrames(nullptr, fonts, name, pics, 0, width);
  }
  Canvas c(width, std::max(height, 40));
  c.Fill(0, 0, c.Width(), c.Height(), 255, 255, 255);
  int y = kGap;
  for (const auto& [name, pics] : sets) {
    if (pics.empty()) continue;
    std::string label = name + " (" + std::to_string(pics.size()) + ")";
    y += LayoutFrames(&c, fonts, label, pics, y, width);
  }
  return c.SavePng(out + "/parts.png");
}

constexpr std::uint8_t kLevelColours[4][3] = {
    {128, 128, 255}, {120, 187, 102}, {244, 211, 148}, {134, 211, 177}};

// The dialog panel as the game paints it: the texture tiled, then the bevel.
void Panel(Canvas& c, const Picture& texture, int x, int y, int w, int h) {
  for (int ty = 0; ty < h; ty += texture.height) {
    for (int tx = 0; tx < w; tx += texture.width) {
      for (int j = 0; j < texture.height && ty + j < h; ++j) {
        for (int i = 0; i < texture.width && tx + i < w; ++i) {
          const std::uint8_t* p = &texture.rgb[(j * texture.width + i) * 3];
          c.Blend(x + tx + i, y + ty + j, p[0], p[1], p[2], 255);
        }
      }
    }
  }
  c.Fill(x, y, w + 1, 1, 200, 200, 200);
  c.Fill(x, y, 1, h + 1, 200, 200, 200);
  c.Fill(x + 1, y + 1, w - 2, 1, 180, 180, 180);
  c.Fill(x + 1, y + 1, 1, h - 2, 180, 180, 180);
  c.Fill(x, y + h, w + 1, 1, 50, 50, 50);
  c.Fill(x + w, y, 1, h + 1, 50, 50, 50);
  c.Fill(x + 1, y + h - 1, w - 1, 1, 130, 130, 130);
  c.Fill(x + w - 1, y + 1, 1, h - 1, 130, 130, 130);
}

// A canvas snapshot as a picture, for drawing it again at another scale.
Picture Snapshot(const Canvas& c) {
  Picture p{c.Width(), c.Height(), {}, {}};
  p.alpha.assign(static_cast<std::size_t>(p.width) * p.height, 255);
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) {
      std::uint8_t r, g, b;
      c.Read(x, y, &r, &g, &b);
      p.rgb.insert(p.rgb.end(), {r, g, b});
    }
  }
  return p;
}

bool IconsSheet(const std::string& root, const std::string& out, const Fonts& fonts) {
  std::vector<Picture> icons;
  for (const fs::path& p : PicturesIn(root + "/Z_Icons")) {
    Picture pic;
    if (ReadPicture(p.string(), &pic)) icons.push_back(std::move(pic));
  }
  Picture texture;
  ReadPicture(root + "/Z_System/DlgTexture.bmp", &texture);
  const int perRow = 8, cellW = 110, cellH = 118;
  const int rows = (static_cast<int>(icons.size()) + perRow - 1) / perRow;
  const int gridY = kGap + rows * cellH + kGap;
  Canvas c(perRow * cellW + 2 * kGap, gridY + 130 * kScale + kGap);
  c.Fill(0, 0, c.Width(), c.Height(), 255, 255, 255);
  for (std::size_t i = 0; i < icons.size(); ++i) {
    int x = kGap + static_cast<int>(i % perRow) * cellW;
    int y = kGap + static_cast<int>(i / perRow) * cellH;
    c.Checker(x, y, 75, 75, 6);
    c.DrawPicture(icons[i], x, y, kScale);
    for (int k = 0; k < 4; ++k) {
      const std::uint8_t* bg = kLevelColours[k];
      c.Fill(x + k * 26, y + 80, 26, 29, bg[0], bg[1], bg[2]);
      c.DrawPicture(icons[i], x + k * 26 + 1, y + 82, 1);
    }
  }
  // The editor's parts window at 3x: 7 columns of 27-pixel cells on a panel.
  if (!texture.rgb.empty() && fonts.ok) {
    Canvas popup(197, 116);
    Panel(popup, texture, 0, 0, 196, 115);
    for (std::size_t i = 0; i < icons.size() && i < 28; ++i) {
      int ox = 27 * static_cast<int>(i % 7), oy = 27 * static_cast<int>(i / 7);
      popup.DrawPicture(icons[i], ox + 4, oy + 4, 1);
      popup.Fill(ox + 3, oy + 3, 27, 1, 0, 0, 0);
      popup.Fill(ox + 3, oy + 3, 1, 27, 0, 0, 0);
      if (i % 5 == 1) popup.DrawText(fonts.small, 1, ox + 20, oy + 18, "3", 255, 255, 255, true, 1);
    }
    c.DrawPicture(Snapshot(popup), kGap, gridY, kScale);
  }
  return c.SavePng(out + "/icons.png");
}

// The loading screen and the main menu with the game's texts in place.
Picture LoadingScreen(const std::string& root, const Fonts& f) {
  Canvas s(240, 320);
  s.Fill(0, 0, 240, 320, 255, 150, 0);
  Picture logo;
  if (ReadPicture(root + "/Z_System/Logo240x320.bmp", &logo)) s.DrawPicture(logo, 0, 0, 1);
  const int L = f.big.sheetHeight;
  const std::string text = "Loading objects";
  const int w = TextWidth(f.big, 1, text), x0 = (240 - w) / 2;
  s.DrawText(f.big, 1, x0, L, text, 255, 255, 255, true, 1);
  s.Fill(x0, 2 * L + 3, w, 1, 255, 255, 255);
  s.Fill(x0, 2 * L + 3 + L / 2 - 1, w, 1, 255, 255, 255);
  s.Fill(x0, 2 * L + 3, 1, L / 2, 255, 255, 255);
  s.Fill(x0 + w - 1, 2 * L + 3, 1, L / 2, 255, 255, 255);
  s.Fill(x0 + 1, 2 * L + 4, w * 12 / 25 - 2, L / 2 - 2, 255, 30, 0);
  const std::string web = "www.quirkvale.example";
  s.DrawText(f.small, 1, (240 - TextWidth(f.small, 1, web)) / 2, 320 - 2 * f.small.sheetHeight, web,
             255, 255, 255, true, 1);
  return Snapshot(s);
}

Picture MainMenu(const std::string& root, const Fonts& f) {
  Canvas s(240, 320);
  s.Fill(0, 0, 240, 320, 255, 150, 0);
  Picture menu;
  if (ReadPicture(root + "/Z_System/Menu240x320.bmp", &menu)) s.DrawPicture(menu, 0, 0, 1);
  const char* entries[] = {"Play", "Create", "Options", "Help", "About", "Learn", "Exit"};
  const int M = f.menu.sheetHeight + 3;
  for (int i = 0; i < 7; ++i) {
    int w = TextWidth(f.menu, 2, entries[i]);
    bool sel = i == 2;
    s.DrawText(f.menu, 2, 112 - w, 147 + i * M + 1, entries[i], sel ? 84 : 255, sel ? 118 : 255,
               sel ? 164 : 255, true, 1);
  }
  int y = 172;
  for (const std::string& line : Lines("Setup\nsound and\nmusic\npreferen-\nces.")) {
    s.DrawText(f.small, 0, 140, y, line, 255, 255, 255, true, 1);
    y += f.small.sheetHeight;
  }
  return Snapshot(s);
}

// A message box as the game lays it out, on the dialog texture.
Picture MessageBox(const Picture& texture, const Fonts& f) {
  const std::string text =
      "You selected to\nexit to main menu.\nAll progress\nwill be lost.\nAre you sure ?";
  const std::vector<std::string> lines = Lines(text);
  const int L = f.big.sheetHeight, b = L + 4;
  const int d = b + static_cast<int>(lines.size()) * L + 20;
  Canvas s(240, d + 20);
  s.Fill(0, 0, 240, d + 20, 128, 128, 255);
  Panel(s, texture, 10, 10, 220, d);
  int y = 15;
  for (const std::string& line : lines) {
    s.DrawText(f.big, 1, 10 + (220 - TextWidth(f.big, 1, line)) / 2, y, line, 255, 255, 255, true,
               1);
    y += L;
  }
  const int by = 10 + d - b - b / 2;
  const std::string labels[2] = {" Yes ", " No "};
  for (int k = 0; k < 2; ++k) {
    int w = TextWidth(f.big, 1, labels[k]) + 4;
    int x = k == 0 ? 10 + b / 2 : 230 - b / 2 - w;
    s.Fill(x, by, w, b, 167, 167, 167);
    s.Fill(x, by, w, 1, 200, 200, 200);
    s.Fill(x, by, 1, b, 200, 200, 200);
    s.Fill(x, by + b, w + 1, 1, 50, 50, 50);
    s.Fill(x + w, by, 1, b + 1, 50, 50, 50);
    s.DrawText(f.big, 1, x + 2, by + 2, labels[k], 255, 255, 255, true, 1);
  }
  return Snapshot(s);
}

// Every drawable character of a font, and a sentence, light on the dialog
// texture and dark on the list background.
Picture FontSample(const FontPreview& font, int spacing, const Picture& texture) {
  std::string all;
  for (int ch = 33; ch < 127; ++ch) all += static_cast<char>(ch);
  const std::vector<std::string> lines = {all.substr(0, 47), all.substr(47),
                                          "The quick brown fox jumps over the lazy dog.",
                                          "My 01. Balloon, bucket & 3 balls: 100%!"};
  int w = 0;
  for (const std::string& l : lines) w = std::max(w, TextWidth(font, spacing, l));
  const int lh = font.sheetHeight + 4;
  Canvas s(w + 12, 2 * static_cast<int>(lines.size()) * lh + 12);
  Panel(s, texture, 0, 0, s.Width() - 1, static_cast<int>(lines.size()) * lh + 5);
  s.Fill(0, static_cast<int>(lines.size()) * lh + 6, s.Width(), s.Height(), 203, 190, 176);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    int y = 4 + static_cast<int>(i) * lh;
    s.DrawText(font, spacing, 5, y, lines[i], 255, 255, 255, true, 1);
    s.DrawText(font, spacing, 5, y + static_cast<int>(lines.size()) * lh + 6, lines[i], 10, 10, 10,
               false, 1);
  }
  return Snapshot(s);
}

bool SystemSheet(const std::string& root, const std::string& out, const Fonts& fonts) {
  if (!fonts.ok) return false;
  Picture texture;
  if (!ReadPicture(root + "/Z_System/DlgTexture.bmp", &texture)) return false;
  const Picture logo = LoadingScreen(root, fonts);
  const Picture menu = MainMenu(root, fonts);
  const Picture box = MessageBox(texture, fonts);
  const Picture samples[3] = {FontSample(fonts.big, 1, texture),
                              FontSample(fonts.small, 1, texture),
                              FontSample(fonts.menu, 2, texture)};
  std::vector<Picture> smalls;
  for (const fs::path& p : PicturesIn(root + "/Z_System")) {
    Picture pic;
    std::string n = p.filename().string();
    if (n.find("240x320") != std::string::npos || n.find("176x208") != std::string::npos) continue;
    if (ReadPicture(p.string(), &pic)) smalls.push_back(std::move(pic));
  }
  int samplesH = 0, samplesW = 0;
  for (const Picture& s : samples) {
    samplesH += s.height * (1 + kScale) + 2 * kGap;
    samplesW = std::max(samplesW, s.width * kScale);
  }
  const int row1 = 2 * 240 + 2 * 720 + 5 * kGap;
  Canvas c(std::max(row1, samplesW + 2 * kGap),
           960 + 2 * kGap + 120 + box.height * kScale + samplesH + 4 * kGap);
  c.Fill(0, 0, c.Width(), c.Height(), 255, 255, 255);
  c.DrawPicture(logo, kGap, kGap, 1);
  c.DrawPicture(menu, 2 * kGap + 240, kGap, 1);
  c.DrawPicture(box, kGap, 2 * kGap + 320, 1);
  c.DrawPicture(logo, 3 * kGap + 480, kGap, kScale);
  c.DrawPicture(menu, 4 * kGap + 1200, kGap, kScale);
  int y = 960 + 2 * kGap, x = kGap;
  for (const Picture& p : smalls) {
    c.Checker(x, y, p.width * kScale, p.height * kScale, 6);
    c.DrawPicture(p, x, y, kScale);
    x += p.width * kScale + kGap;
  }
  y += 120;
  c.DrawPicture(box, kGap, y, kScale);
  y += box.height * kScale + kGap;
  for (const Picture& s : samples) {
    c.DrawPicture(s, kGap, y, 1);
    y += s.height + kGap;
    c.DrawPicture(s, kGap, y, kScale);
    y += s.height * kScale + kGap;
  }
  return c.SavePng(out + "/system.png");
}

}  // namespace

bool WriteContactSheets(const std::string& imagesRoot, const std::string& outDir) {
  const Fonts fonts = LoadFonts(imagesRoot);
  bool ok = PartsSheet(imagesRoot, outDir, fonts);
  ok = IconsSheet(imagesRoot, outDir, fonts) && ok;
  ok = SystemSheet(imagesRoot, outDir, fonts) && ok;
  return ok;
}

}  // namespace qv::forge
