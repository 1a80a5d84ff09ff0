#pragma once
// Small greyscale PNG pictures for the sample drawings' thumbnails, written without a
// compression library (stored deflate blocks).

#include <string>
#include <vector>

namespace vox::tools {

// A picture of `width` x `height` grey levels, row by row (0 black, 255 white).
struct GreyImage {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> pixels;

  GreyImage(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w * h), 255) {}
  void set(int x, int y, unsigned char grey);
  void horizontal(int y, int x0, int x1, unsigned char grey);
  void vertical(int x, int y0, int y1, unsigned char grey);
};

// The bytes of a PNG file holding `image`.
std::string encodePng(const GreyImage& image);

}  // namespace vox::tools
