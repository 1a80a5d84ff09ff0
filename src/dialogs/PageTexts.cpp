#include "dialogs/PageTexts.h"

#include <optional>

#include "host/HcMessageCatalog.h"

namespace vox::dialogs {

std::wstring pageText(const std::wstring& name) {
  const HcMessageCatalog* catalog = hcMessageCatalog();
  const std::optional<std::wstring> text = catalog != nullptr ? catalog->text(name) : std::nullopt;
  return text.value_or(name);
}

}  // namespace vox::dialogs
