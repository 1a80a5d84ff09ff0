#include "module/LispArguments.h"

namespace vox::module {

std::optional<std::wstring> LispArguments::string() { return walker_.nextString(); }

std::optional<std::int16_t> LispArguments::shortInt() {
  const HcResBuf* item = walker_.peek();
  if (item == nullptr || item->type != kRtShort) return std::nullopt;
  walker_.next();
  return std::get<std::int16_t>(item->value);
}

std::optional<std::int32_t> LispArguments::integer() { return walker_.nextInteger(); }

bool LispArguments::nil() {
  const HcResBuf* item = walker_.peek();
  if (item == nullptr || item->type != kRtNil) return false;
  walker_.next();
  return true;
}

bool LispArguments::t() {
  const HcResBuf* item = walker_.peek();
  if (item == nullptr || item->type != kRtT) return false;
  walker_.next();
  return true;
}

std::optional<std::vector<std::wstring>> LispArguments::strings() {
  const HcResBuf* item = walker_.peek();
  if (item == nullptr || item->type != kRtListBegin) return std::nullopt;
  const HcResBufChain list = walker_.nextValue();
  std::vector<std::wstring> values;
  HcResBufWalker inner(list);
  inner.next();  // the list's begin
  while (const HcResBuf* element = inner.peek()) {
    if (element->type == kRtListEnd) break;
    std::optional<std::wstring> value = inner.nextString();
    if (!value) return std::nullopt;
    values.push_back(std::move(*value));
  }
  return values;
}

}  // namespace vox::module
