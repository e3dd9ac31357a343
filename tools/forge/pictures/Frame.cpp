#include "Frame.h"

#include <filesystem>

#include "gfx/BmpWriter.h"

namespace qv::forge {

Frame::Frame(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {}

Frame::~Frame() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

void Frame::Pixel(int x, int y, unsigned char* r, unsigned char* g, unsigned char* b,
                  unsigned char* a) const {
  cairo_surface_flush(surface_);
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  const auto* p = reinterpret_cast<const unsigned int*>(data + y * stride) + x;
  unsigned int v = *p;
  unsigned int alpha = v >> 24;
  auto un = [alpha](unsigned int c) {
    return static_cast<unsigned char>(alpha == 0 ? 0 : (c * 255 + alpha / 2) / alpha);
  };
  *a = static_cast<unsigned char>(alpha);
  *r = un((v >> 16) & 255);
  *g = un((v >> 8) & 255);
  *b = un(v & 255);
}

std::string AlphaName(const std::string& relPath) {
  std::size_t slash = relPath.find_last_of("\\/");
  std::size_t at = slash == std::string::npos ? 0 : slash + 1;
  return relPath.substr(0, at) + "A_" + relPath.substr(at);
}

std::string HostPath(const std::string& root, const std::string& relPath) {
  std::string p = relPath;
  for (char& c : p) {
    if (c == '\\') c = '/';
  }
  return root + "/" + p;
}

bool Frame::Save(const std::string& root, const std::string& relPath, bool withAlpha,
                 int fringeCutoff, const std::string& alphaRelPath) const {
  std::vector<unsigned char> rgb(static_cast<std::size_t>(width_) * height_ * 3);
  std::vector<unsigned char> grey(static_cast<std::size_t>(width_) * height_);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      std::size_t i = static_cast<std::size_t>(y) * width_ + x;
      unsigned char a;
      Pixel(x, y, &rgb[i * 3], &rgb[i * 3 + 1], &rgb[i * 3 + 2], &a);
      grey[i] = a < fringeCutoff ? 0 : a;
      if (withAlpha && grey[i] == 0) rgb[i * 3] = rgb[i * 3 + 1] = rgb[i * 3 + 2] = 0;
    }
  }
  std::string path = HostPath(root, relPath);
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  if (!WriteBmp24(path.c_str(), width_, height_, rgb.data())) return false;
  if (!withAlpha) return true;
  std::string alphaPath = HostPath(root, alphaRelPath.empty() ? AlphaName(relPath) : alphaRelPath);
  return WriteBmpGrey8(alphaPath.c_str(), width_, height_, grey.data(), false);
}

}  // namespace qv::forge
