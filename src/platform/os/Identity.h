#pragma once
// Who and where this process is, as lock files and drawing lock files record it.

#include <ctime>
#include <optional>
#include <string>

namespace vox::os {

// Login name of the effective user (password database, else $USER).
std::wstring loginName();
// The computer's short host name.
std::wstring computerName();
// The user's full name: `configured` when given and not empty, else $FULLNAME, else the first
// comma field of the password database's comment field; empty when none is known.
std::wstring fullName(const std::optional<std::wstring>& configured = std::nullopt);
// Long date and time of `when` in the user's time locale (LC_TIME), e.g. "Sunday, 06 December
// 2026" and "14:05:09".
std::wstring longDateText(std::time_t when);
std::wstring timeText(std::time_t when);
// Short date and time of `when` in the user's time locale, e.g. "12/06/26 14:05:09", as file
// details show a file's time stamp.
std::wstring localeDateTime(std::time_t when);

// The three lines of a lock file: login; computer, a blank, full name; date, two blanks, time.
// Lines are separated by single line feeds, with no break after the last.
std::wstring holderText(const std::wstring& login, const std::wstring& computer, const std::wstring& full,
                        const std::wstring& date, const std::wstring& time);
// The holder text for this process at `when`.
std::wstring currentHolderText(std::time_t when, const std::optional<std::wstring>& configuredFullName = std::nullopt);

}  // namespace vox::os
