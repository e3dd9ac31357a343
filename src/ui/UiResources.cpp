#include "ui/UiResources.h"

#include <string>

namespace qv {
namespace {

Font* gBig = nullptr;
Font* gSmall = nullptr;
Font* gMenu = nullptr;
Surface* gTexture = nullptr;

Font& OrEmpty(Font* font) {
  static Font empty;
  return font != nullptr ? *font : empty;
}

}  // namespace

Font& BigFont() {
  return OrEmpty(gBig);
}
Font& SmallFont() {
  return OrEmpty(gSmall);
}
Font& MenuFont() {
  return OrEmpty(gMenu);
}
Surface* DialogTexture() {
  return gTexture;
}

void SetBigFont(Font* font) {
  gBig = font;
}
void SetSmallFont(Font* font) {
  gSmall = font;
}
void SetMenuFont(Font* font) {
  gMenu = font;
}
void SetDialogTexture(Surface* texture) {
  gTexture = texture;
}

bool UiResourceSet::Load(const char* imagesFolder) {
  const std::string folder =
      std::string(imagesFolder != nullptr ? imagesFolder : "") + "Z_System\\";
  bool ok = big.Load((folder + "FontBig176x208.bmp").c_str());
  ok = small.Load((folder + "FontSmall176x208.bmp").c_str()) && ok;
  ok = menu.Load((folder + "FontMenu240x320.bmp").c_str()) && ok;
  ok = texture.LoadBitmap((folder + "DlgTexture.bmp").c_str()) && ok;
  big.SetLetterSpacing(1);
  small.SetLetterSpacing(1);
  menu.SetLineGap(3);
  return ok;
}

void UiResourceSet::Install() {
  SetBigFont(&big);
  SetSmallFont(&small);
  SetMenuFont(&menu);
  SetDialogTexture(texture.Pixels() != nullptr ? &texture : nullptr);
}

UiResourceSet::~UiResourceSet() {
  if (gBig == &big) gBig = nullptr;
  if (gSmall == &small) gSmall = nullptr;
  if (gMenu == &menu) gMenu = nullptr;
  if (gTexture == &texture) gTexture = nullptr;
}

}  // namespace qv
