#include "platform/os/Identity.h"

#include <locale.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "platform/os/NativePath.h"

namespace vox::os {
namespace {

std::wstring fromLocaleBytes(const char* s) { return decodeFileName(s != nullptr ? s : ""); }

const passwd* userEntry() { return ::getpwuid(::geteuid()); }

// Formats `when` with the user's LC_TIME conventions, without touching the global locale.
std::wstring formatTime(std::time_t when, const char* format) {
  locale_t loc = ::newlocale(LC_TIME_MASK | LC_CTYPE_MASK, "", static_cast<locale_t>(nullptr));
  if (loc == static_cast<locale_t>(nullptr)) loc = ::newlocale(LC_TIME_MASK, "C", static_cast<locale_t>(nullptr));
  std::tm local {};
  ::localtime_r(&when, &local);
  char buffer[256];
  const std::size_t n = ::strftime_l(buffer, sizeof buffer, format, &local, loc);
  ::freelocale(loc);
  return decodeFileName(std::string(buffer, n));
}

}  // namespace

std::wstring loginName() {
  if (const passwd* pw = userEntry(); pw != nullptr && pw->pw_name != nullptr) return fromLocaleBytes(pw->pw_name);
  return fromLocaleBytes(std::getenv("USER"));
}

std::wstring computerName() {
  char buffer[256] = {};
  if (::gethostname(buffer, sizeof buffer - 1) != 0) return L"localhost";
  std::string name(buffer);
  if (const std::size_t dot = name.find('.'); dot != std::string::npos) name.resize(dot);
  return decodeFileName(name);
}

std::wstring fullName(const std::optional<std::wstring>& configured) {
  if (configured && !configured->empty()) return *configured;
  if (const char* env = std::getenv("FULLNAME"); env != nullptr && *env != '\0') return fromLocaleBytes(env);
  const passwd* pw = userEntry();
  if (pw == nullptr || pw->pw_gecos == nullptr) return {};
  std::string gecos(pw->pw_gecos);
  if (const std::size_t comma = gecos.find(','); comma != std::string::npos) gecos.resize(comma);
  return decodeFileName(gecos);
}

std::wstring longDateText(std::time_t when) { return formatTime(when, "%A, %d %B %Y"); }

std::wstring timeText(std::time_t when) { return formatTime(when, "%X"); }

std::wstring localeDateTime(std::time_t when) { return formatTime(when, "%x %X"); }

std::wstring holderText(const std::wstring& login, const std::wstring& computer, const std::wstring& full,
                        const std::wstring& date, const std::wstring& time) {
  return login + L"\n" + computer + L" " + full + L"\n" + date + L"  " + time;
}

std::wstring currentHolderText(std::time_t when, const std::optional<std::wstring>& configuredFullName) {
  return holderText(loginName(), computerName(), fullName(configuredFullName), longDateText(when), timeText(when));
}

}  // namespace vox::os
