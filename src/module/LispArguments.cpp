#include "module/LispArguments.h"

namespace vox::module {
namespace {

// What an argument turned out to be, for the refusal's text.
std::wstring describe(const HcResBuf& item) {
  switch (item.type) {
    case kRtStr: return L"the string " + hcLispQuoted(*item.string());
    case kRtShort:
    case kRtLong: return L"the integer " + std::to_wstring(*item.integer());
    case kRtReal: return L"the real " + hcLispReal(*item.number());
    case kRtNil: return L"nil";
    case kRtT: return L"T";
    case kRtListBegin: return L"a list";
    default: return L"a value of type code " + std::to_wstring(item.type);
  }
}

}  // namespace

void LispArguments::refuse(const wchar_t* name, const std::wstring& expected) {
  if (!problem_.empty()) return;  // the first wrong argument is the one to fix
  const std::wstring argument = L"argument " + std::to_wstring(position_) + L" (" + name + L")";
  const HcResBuf* item = walker_.peek();
  problem_ = item == nullptr ? argument + L" is missing: expected " + expected
                             : argument + L" must be " + expected + L", not " + describe(*item);
}

std::optional<std::wstring> LispArguments::string(const wchar_t* name) {
  std::optional<std::wstring> value = walker_.nextString();
  if (value) {
    moved();
  } else {
    refuse(name, L"a string");
  }
  return value;
}

std::optional<std::int16_t> LispArguments::shortInt(const wchar_t* name) {
  const HcResBuf* item = walker_.peek();
  if (item == nullptr || item->type != kRtShort) {
    refuse(name, L"a 16-bit integer");
    return std::nullopt;
  }
  walker_.next();
  moved();
  return std::get<std::int16_t>(item->value);
}

std::optional<std::int32_t> LispArguments::integer(const wchar_t* name) {
  const std::optional<std::int32_t> value = walker_.nextInteger();
  if (value) {
    moved();
  } else {
    refuse(name, L"an integer");
  }
  return value;
}

bool LispArguments::nil() {
  const HcResBuf* item = walker_.peek();
  if (item == nullptr || item->type != kRtNil) return false;
  walker_.next();
  moved();
  return true;
}

bool LispArguments::t() {
  const HcResBuf* item = walker_.peek();
  if (item == nullptr || item->type != kRtT) return false;
  walker_.next();
  moved();
  return true;
}

std::optional<std::vector<std::wstring>> LispArguments::strings(const wchar_t* name, std::size_t count) {
  const std::wstring expected = L"a list of " + std::to_wstring(count) + L" strings";
  const HcResBuf* item = walker_.peek();
  if (item == nullptr || item->type != kRtListBegin) {
    refuse(name, expected);
    return std::nullopt;
  }
  const HcResBufChain list = walker_.nextValue();
  std::vector<std::wstring> values;
  HcResBufWalker inner(list);
  inner.next();  // the list's begin
  while (const HcResBuf* element = inner.peek()) {
    if (element->type == kRtListEnd) break;
    std::optional<std::wstring> value = inner.nextString();
    if (!value) {
      values.clear();
      break;
    }
    values.push_back(std::move(*value));
  }
  if (values.size() != count && problem_.empty()) {
    problem_ = L"argument " + std::to_wstring(position_) + L" (" + name + L") must be " + expected;
  }
  moved();
  if (values.size() != count) return std::nullopt;
  return values;
}

}  // namespace vox::module
