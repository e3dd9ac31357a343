#pragma once
#include "gfx/Font.h"
#include "gfx/Surface.h"

namespace qv {

// The shared drawing resources of the widgets. The application owns them and
// hands them over once loaded; until then (and for a font that is not set)
// the accessors give an empty font that draws nothing and measures 0.
Font& BigFont();
Font& SmallFont();
Font& MenuFont();
// Null when there is none: panels are then drawn without texture.
Surface* DialogTexture();

void SetBigFont(Font* font);
void SetSmallFont(Font* font);
void SetMenuFont(Font* font);
void SetDialogTexture(Surface* texture);

// Owns one full set of resources loaded from an images folder, with the
// spacing the game uses (tools and tests; the application loads its own).
class UiResourceSet {
 public:
  // True when all four files loaded; whatever loaded is kept either way.
  bool Load(const char* imagesFolder);
  // Points the accessors at this set.
  void Install();
  // Points the accessors away again if they still point here.
  ~UiResourceSet();

  Font big;
  Font small;
  Font menu;
  Surface texture;
};

}  // namespace qv
