#include "gfx/Surface.h"

namespace qv {

// Bitmap loading arrives with the BMP decoder; until then nothing loads.
bool Surface::LoadBitmap(const char*) {
  return false;
}
bool Surface::LoadAlpha(const char*) {
  return false;
}

}  // namespace qv
