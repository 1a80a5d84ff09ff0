#include "platform/siblings/CallLog.h"

#include <algorithm>

namespace vox::siblings {

namespace {

std::wstring joined(const std::vector<std::wstring>& items) {
  std::wstring out;
  for (const std::wstring& item : items) {
    if (!out.empty()) out += L", ";
    out += item;
  }
  return out;
}

}  // namespace

std::wstring SiblingCall::text() const { return name + L"(" + joined(args) + L")"; }

void CallLog::record(std::wstring name, std::initializer_list<std::wstring> args) {
  calls_.push_back(SiblingCall{std::move(name), std::vector<std::wstring>(args)});
  if (observer_) observer_(calls_.back());
}

std::vector<std::wstring> CallLog::lines() const {
  std::vector<std::wstring> out;
  out.reserve(calls_.size());
  for (const SiblingCall& call : calls_) out.push_back(call.text());
  return out;
}

std::size_t CallLog::count(std::wstring_view name) const {
  return static_cast<std::size_t>(
      std::count_if(calls_.begin(), calls_.end(), [&](const SiblingCall& call) { return call.name == name; }));
}

std::wstring argText(bool flag) { return flag ? L"1" : L"0"; }
std::wstring argText(int number) { return std::to_wstring(number); }
std::wstring argText(const std::vector<std::wstring>& list) { return L"[" + joined(list) + L"]"; }
std::wstring argText(const wchar_t* text) { return text != nullptr ? std::wstring(text) : std::wstring(L"null"); }

}  // namespace vox::siblings
