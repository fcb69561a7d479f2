#pragma once
// The uninstall pages' counters as the user's locale writes numbers: digit
// groups and separators of the locale, no decimals ("32,267,948" in English,
// "32.267.948" in Brazilian Portuguese).
#include <winsock2.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

// The NUMBERFMTW grouping of a locale's LOCALE_SGROUPING text: "3;0" gives 3
// (groups of three all the way), "3;2;0" gives 32, "3" gives 30 (one group of
// three, then none). Text that is not of that form gives 3.
UINT number_grouping(std::wstring_view locale_grouping) noexcept;

// `value` written with the digit grouping and separators of `locale`. The
// grouping is passed explicitly, because some systems apply a locale's own
// grouping wrongly when left to themselves. Falls back to plain digits when the
// locale can't be read. Safe from any thread.
std::wstring format_counter(std::int64_t value, LCID locale = LOCALE_USER_DEFAULT);
