#pragma once
// The calls a sibling stand-in received, in order, each as its name and its arguments written
// as text, so integration tests can see what the module asked of the siblings.

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace vox::siblings {

struct SiblingCall {
  std::wstring name;
  std::vector<std::wstring> args;

  // "Name(arg1, arg2)".
  std::wstring text() const;
  bool operator==(const SiblingCall&) const = default;
};

class CallLog {
 public:
  void record(std::wstring name, std::initializer_list<std::wstring> args = {});

  const std::vector<SiblingCall>& calls() const { return calls_; }
  // The calls as text, in order.
  std::vector<std::wstring> lines() const;
  // How many calls of `name` were received.
  std::size_t count(std::wstring_view name) const;
  void clear() { calls_.clear(); }
  // Hears each call as it is recorded (the shell's trace).
  void setObserver(std::function<void(const SiblingCall&)> observer) { observer_ = std::move(observer); }

 private:
  std::vector<SiblingCall> calls_;
  std::function<void(const SiblingCall&)> observer_;
};

// Argument texts: a flag as "1" / "0", a list as "[a, b]", a null string as "null".
std::wstring argText(bool flag);
std::wstring argText(int number);
std::wstring argText(const std::vector<std::wstring>& list);
std::wstring argText(const wchar_t* text);

}  // namespace vox::siblings
