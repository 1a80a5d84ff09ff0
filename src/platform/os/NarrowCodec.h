#pragma once
// Narrow text of project, lock and drawing lock files: one byte per character in a single-byte
// code page (Windows-1252 unless configured otherwise), converted through iconv once into
// tables. Every byte decodes to one character and encodes back to the same byte, including the
// bytes the code page leaves undefined (they stand for U+0080..U+009F, as on the systems the
// files are shared with). A character the code page cannot hold is written as '?'.

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vox::os {

class NarrowCodec {
 public:
  // A codec for an iconv code page name ("WINDOWS-1252", "CP1250", "ISO-8859-1", ...); empty
  // when iconv does not know it or it is not a single-byte code page.
  static std::optional<NarrowCodec> create(std::string_view codePage);

  const std::string& codePage() const { return codePage_; }

  wchar_t decode(unsigned char byte) const { return decode_[byte]; }
  std::wstring decode(std::string_view bytes) const;
  void decodeAppend(std::string_view bytes, std::wstring& out) const;

  char encode(wchar_t c) const;
  std::string encode(std::wstring_view text) const;
  void encodeAppend(std::wstring_view text, std::string& out) const;

 private:
  NarrowCodec() = default;

  std::string codePage_;
  std::array<wchar_t, 256> decode_{};
  // Byte for each character below U+10000; 0 marks "not in the code page" (except for U+0000).
  std::shared_ptr<const std::vector<unsigned char>> encode_;
};

inline constexpr std::string_view kDefaultCodePage = "WINDOWS-1252";

// The process's narrow code page (the platform's "ANSI code page").
const NarrowCodec& narrowCodec();
// Switches the process's narrow code page; false (and no change) for an unusable name.
bool setNarrowCodePage(std::string_view codePage);

}  // namespace vox::os
