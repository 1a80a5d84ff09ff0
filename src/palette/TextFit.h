#pragma once
// Shortening a text to a width: characters are dropped from the end until it fits; when any was
// dropped, three more go and "..." is appended. `fits` answers whether a text fits.

#include <functional>
#include <string>

namespace vox::palette {

struct FittedText {
  std::wstring text;
  bool shortened = false;
};

FittedText fitText(const std::wstring& text, const std::function<bool(const std::wstring&)>& fits);

}  // namespace vox::palette
