// "c:wd_getenv" (an environment value, nil for an unknown name), "c:wd_msg" (key nil default: the
// stored message, else the default text) and "wd_1_luk4_replaceable_substitution" (%NAME% from the
// environment values, then from the process environment).

#include <cstdlib>
#include <cstring>

#include "host/HcSettingsStore.h"
#include "platform/lispcore/Environment.h"
#include "platform/lispcore/Registrar.h"
#include "platform/lispcore/SettingsKeys.h"
#include "platform/lispcore/Substitution.h"
#include "platform/os/NativePath.h"

namespace vox::lispcore {
namespace {

using lisp::Value;

Value stringOrNil(const std::optional<std::wstring>& text) { return text ? Value::ofString(*text) : Value::nil(); }

std::optional<std::wstring> processValue(const LispCoreContext& context, const std::wstring& name) {
  const std::string narrow = os::encodeFileName(name);
  const char* value = context.processEnvironment ? context.processEnvironment(narrow.c_str()) : std::getenv(narrow.c_str());
  if (value == nullptr) return std::nullopt;
  return os::decodeFileName(std::string_view(value, std::strlen(value)));
}

Value substitute(CoreState& state, const Args& args, std::wstring&) {
  const LispCoreContext& context = state.context;
  return Value::ofString(substituteParameters(args[0].text, [&context](const std::wstring& name) {
    if (std::optional<std::wstring> value = environmentValue(context, name)) return value;
    return processValue(context, name);
  }));
}

}  // namespace

void defineEnvironmentFunctions(Registrar& registrar) {
  registrar.define(L"c:wd_getenv", L"s", [](CoreState& state, const Args& args, std::wstring&) {
    return stringOrNil(environmentValue(state.context, args[0].text));
  });
  registrar.define(L"c:wd_msg", L"sxS", [](CoreState& state, const Args& args, std::wstring&) {
    if (std::optional<std::wstring> stored = state.context.settings.getString(kMessagesKey, args[0].text))
      return Value::ofString(*stored);
    return args[2];
  });
  registrar.define(L"wd_1_luk4_replaceable_substitution", L"s", substitute);
}

}  // namespace vox::lispcore
