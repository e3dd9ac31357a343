#pragma once
#include <cairo.h>

#include <string>

namespace qv::forge {

// Adds the outlines of text, set in the given face file at pixelSize, to the
// current path, with the baseline starting at (x, y); each letter is turned
// by tilt(i) radians and lifted by lift(i) pixels for a playful title.
// Returns the advance width, or -1 when the face cannot be opened.
double TitlePath(cairo_t* cr, const std::string& faceFile, const std::string& text, double x,
                 double y, double pixelSize, double tracking, double wave);

}  // namespace qv::forge
