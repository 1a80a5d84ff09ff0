#include "Thumbnail.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace vox::tools {
namespace {

std::uint32_t crc32(const std::string& bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (const char c : bytes) {
    crc ^= static_cast<unsigned char>(c);
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

std::uint32_t adler32(const std::string& bytes) {
  std::uint32_t a = 1;
  std::uint32_t b = 0;
  for (const char c : bytes) {
    a = (a + static_cast<unsigned char>(c)) % 65521u;
    b = (b + a) % 65521u;
  }
  return (b << 16) | a;
}

void putBigEndian(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

void putChunk(std::string& out, const char* type, const std::string& data) {
  putBigEndian(out, static_cast<std::uint32_t>(data.size()));
  const std::string typed = std::string(type) + data;
  out += typed;
  putBigEndian(out, crc32(typed));
}

// A zlib stream of stored (uncompressed) deflate blocks.
std::string zlibStored(const std::string& raw) {
  std::string out = "\x78\x01";
  constexpr std::size_t kBlock = 65535;
  std::size_t at = 0;
  do {
    const std::size_t size = std::min(kBlock, raw.size() - at);
    const bool last = at + size == raw.size();
    out += static_cast<char>(last ? 1 : 0);
    out += static_cast<char>(size & 0xFF);
    out += static_cast<char>(size >> 8);
    out += static_cast<char>(~size & 0xFF);
    out += static_cast<char>((~size >> 8) & 0xFF);
    out.append(raw, at, size);
    at += size;
  } while (at < raw.size());
  putBigEndian(out, adler32(raw));
  return out;
}

}  // namespace

void GreyImage::set(int x, int y, unsigned char grey) {
  if (x >= 0 && y >= 0 && x < width && y < height) pixels[static_cast<std::size_t>(y * width + x)] = grey;
}

void GreyImage::horizontal(int y, int x0, int x1, unsigned char grey) {
  for (int x = x0; x <= x1; ++x) set(x, y, grey);
}

void GreyImage::vertical(int x, int y0, int y1, unsigned char grey) {
  for (int y = y0; y <= y1; ++y) set(x, y, grey);
}

std::string encodePng(const GreyImage& image) {
  std::string header;
  putBigEndian(header, static_cast<std::uint32_t>(image.width));
  putBigEndian(header, static_cast<std::uint32_t>(image.height));
  header += std::string("\x08\x00\x00\x00\x00", 5);  // 8-bit grey, deflate, no filter, no interlace
  std::string raw;
  for (int y = 0; y < image.height; ++y) {
    raw += '\0';  // filter type "none"
    raw.append(reinterpret_cast<const char*>(&image.pixels[static_cast<std::size_t>(y * image.width)]),
               static_cast<std::size_t>(image.width));
  }
  std::string png = "\x89PNG\r\n\x1a\n";
  putChunk(png, "IHDR", header);
  putChunk(png, "IDAT", zlibStored(raw));
  putChunk(png, "IEND", "");
  return png;
}

}  // namespace vox::tools
