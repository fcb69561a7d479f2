#include "views/counter_format.h"

#include <cwctype>
#include <vector>

UINT number_grouping(std::wstring_view locale_grouping) noexcept
{
    std::vector<UINT> sizes;
    bool digit_expected = true;
    for (const wchar_t c : locale_grouping) {
        if (digit_expected && c >= L'0' && c <= L'9') {
            sizes.push_back(static_cast<UINT>(c - L'0'));
            digit_expected = false;
        } else if (!digit_expected && c == L';') {
            digit_expected = true;
        } else {
            return 3;
        }
    }
    if (sizes.empty() || digit_expected || sizes.size() > 8)
        return 3;
    // A final 0 means "repeat the last group"; without it the last group is used once.
    if (sizes.back() == 0)
        sizes.pop_back();
    else
        sizes.push_back(0);
    UINT grouping = 0;
    for (const UINT size : sizes)
        grouping = grouping * 10 + size;
    return grouping;
}

namespace {

std::wstring locale_text(LCID locale, LCTYPE type)
{
    wchar_t buffer[16] = {};
    return GetLocaleInfoW(locale, type, buffer, 16) > 0 ? buffer : L"";
}

} // namespace

std::wstring format_counter(std::int64_t value, LCID locale)
{
    const std::wstring digits = std::to_wstring(value);
    std::wstring thousands = locale_text(locale, LOCALE_STHOUSAND);
    std::wstring decimal = locale_text(locale, LOCALE_SDECIMAL);
    const std::wstring negative = locale_text(locale, LOCALE_INEGNUMBER);
    if (decimal.empty())
        decimal = L".";
    NUMBERFMTW format{};
    format.NumDigits = 0;
    format.LeadingZero = 1; // without it some systems write 0 as nothing at all
    format.Grouping = number_grouping(locale_text(locale, LOCALE_SGROUPING));
    format.lpDecimalSep = decimal.data();
    format.lpThousandSep = thousands.data();
    format.NegativeOrder =
        negative.size() == 1 && negative[0] >= L'0' && negative[0] <= L'4' ? static_cast<UINT>(negative[0] - L'0') : 1;
    wchar_t buffer[64] = {};
    if (GetNumberFormatW(locale, 0, digits.c_str(), &format, buffer, 64) <= 0)
        return digits;
    return buffer;
}
