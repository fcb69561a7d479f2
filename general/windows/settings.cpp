#include "general/windows/settings.h"

#include <filesystem>

#include "general/windows/registry.h"
#include "general/windows/system.h"

namespace general::windows {

namespace {

std::wstring setting(const wchar_t* name, const wchar_t* fallback)
{
    return registry_text(registry_read(HKEY_LOCAL_MACHINE, installation_key, name, std::wstring{fallback}));
}

} // namespace

std::wstring company_name()
{
    return setting(L"Company", maker_name);
}
std::wstring product_name()
{
    return setting(L"Product", protection_name);
}
std::wstring product_version()
{
    return setting(L"Version", L"1.0.41");
}
std::wstring protection_full_name()
{
    return std::wstring{maker_name} + L" " + protection_name;
}
std::wstring product_display_name()
{
    return company_name() + L" " + product_name();
}
std::wstring resources_directory()
{
    return (std::filesystem::path{executable_directory()} / L"resources").wstring();
}

} // namespace general::windows
