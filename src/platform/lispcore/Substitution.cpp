#include "platform/lispcore/Substitution.h"

namespace vox::lispcore {

std::wstring substituteParameters(std::wstring_view text, const ParameterLookup& lookup) {
  std::wstring out;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t open = text.find(L'%', pos);
    const std::size_t close = open == std::wstring_view::npos ? open : text.find(L'%', open + 1);
    if (close == std::wstring_view::npos) break;
    out.append(text.substr(pos, open - pos));
    const std::wstring name(text.substr(open + 1, close - open - 1));
    const std::optional<std::wstring> value = name.empty() ? std::nullopt : lookup(name);
    if (value) {
      out += *value;
      pos = close + 1;
    } else {
      out += L'%';
      out += name;
      pos = close;  // the closing "%" may open the next parameter
    }
  }
  out.append(text.substr(pos));
  return out;
}

}  // namespace vox::lispcore
