#include "palette/TextFit.h"

namespace vox::palette {

FittedText fitText(const std::wstring& text, const std::function<bool(const std::wstring&)>& fits) {
  if (fits(text)) return {text, false};
  std::wstring shorter = text;
  while (!shorter.empty() && !fits(shorter)) shorter.pop_back();
  shorter.resize(shorter.size() > 3 ? shorter.size() - 3 : 0);
  return {shorter + L"...", true};
}

}  // namespace vox::palette
