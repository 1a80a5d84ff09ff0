#include "platform/os/NarrowCodec.h"

#include <iconv.h>

#include <mutex>

namespace vox::os {
namespace {

constexpr std::size_t kEncodeRange = 0x10000;

// One byte through iconv to UTF-32; empty when the code page does not define it.
std::optional<char32_t> convertByte(iconv_t cd, unsigned char byte) {
  char in[1] = {static_cast<char>(byte)};
  char32_t out[4] = {};
  char* inPtr = in;
  char* outPtr = reinterpret_cast<char*>(out);
  std::size_t inLeft = 1;
  std::size_t outLeft = sizeof(out);
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return std::nullopt;
  if (sizeof(out) - outLeft != sizeof(char32_t)) return std::nullopt;  // not one character
  return out[0];
}

struct ProcessCodec {
  std::mutex mutex;
  std::shared_ptr<const NarrowCodec> codec;
  // Codecs replaced by a switch stay alive: callers may still hold a reference to them.
  std::vector<std::shared_ptr<const NarrowCodec>> retired;
};

ProcessCodec& processCodec() {
  static ProcessCodec pc;
  return pc;
}

}  // namespace

std::optional<NarrowCodec> NarrowCodec::create(std::string_view codePage) {
  const std::string name(codePage);
  iconv_t cd = iconv_open("UTF-32LE", name.c_str());
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  NarrowCodec codec;
  codec.codePage_ = name;
  auto table = std::make_shared<std::vector<unsigned char>>(kEncodeRange, 0);
  bool singleByte = true;
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<unsigned char>(b);
    const std::optional<char32_t> c = convertByte(cd, byte);
    if (!c && b >= 0x80 && b < 0xA0) {
      codec.decode_[byte] = static_cast<wchar_t>(b);  // undefined byte: its C1 control
    } else if (!c) {
      singleByte = false;  // e.g. a lead byte of a multi-byte code page
      break;
    } else {
      codec.decode_[byte] = static_cast<wchar_t>(*c);
    }
  }
  iconv_close(cd);
  if (!singleByte) return std::nullopt;
  // Fill from the top so that, should two bytes share a character, the lower byte wins.
  for (int b = 255; b >= 1; --b) {
    const auto c = static_cast<char32_t>(codec.decode_[b]);
    if (c < kEncodeRange) (*table)[c] = static_cast<unsigned char>(b);
  }
  codec.encode_ = std::move(table);
  return codec;
}

std::wstring NarrowCodec::decode(std::string_view bytes) const {
  std::wstring out;
  decodeAppend(bytes, out);
  return out;
}

void NarrowCodec::decodeAppend(std::string_view bytes, std::wstring& out) const {
  const std::size_t start = out.size();
  out.resize(start + bytes.size());
  wchar_t* dst = out.data() + start;
  for (const char c : bytes) *dst++ = decode_[static_cast<unsigned char>(c)];
}

char NarrowCodec::encode(wchar_t c) const {
  if (c == 0) return '\0';
  const auto code = static_cast<char32_t>(c);
  if (code >= kEncodeRange) return '?';
  const unsigned char b = (*encode_)[code];
  return b == 0 ? '?' : static_cast<char>(b);
}

std::string NarrowCodec::encode(std::wstring_view text) const {
  std::string out;
  encodeAppend(text, out);
  return out;
}

void NarrowCodec::encodeAppend(std::wstring_view text, std::string& out) const {
  const std::size_t start = out.size();
  out.resize(start + text.size());
  char* dst = out.data() + start;
  for (const wchar_t c : text) *dst++ = encode(c);
}

const NarrowCodec& narrowCodec() {
  ProcessCodec& pc = processCodec();
  const std::lock_guard<std::mutex> lock(pc.mutex);
  if (!pc.codec) {
    std::optional<NarrowCodec> codec = NarrowCodec::create(kDefaultCodePage);
    if (!codec) codec = NarrowCodec::create("ISO-8859-1");  // iconv without Windows code pages
    pc.codec = std::make_shared<const NarrowCodec>(std::move(*codec));
  }
  return *pc.codec;
}

bool setNarrowCodePage(std::string_view codePage) {
  std::optional<NarrowCodec> codec = NarrowCodec::create(codePage);
  if (!codec) return false;
  ProcessCodec& pc = processCodec();
  const std::lock_guard<std::mutex> lock(pc.mutex);
  if (pc.codec) pc.retired.push_back(std::move(pc.codec));
  pc.codec = std::make_shared<const NarrowCodec>(std::move(*codec));
  return true;
}

}  // namespace vox::os
