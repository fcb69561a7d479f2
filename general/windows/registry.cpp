#include "general/windows/registry.h"

#include <shlwapi.h>

#include <array>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "general/windows/handle.h"
#include "general/windows/system_function.h"

namespace general::windows {

namespace {

// Values the installer reads are short settings; anything longer is not ours.
constexpr DWORD read_buffer_size = 1024;

struct raw_value {
    DWORD type = REG_NONE;
    DWORD size = 0;
    std::array<std::uint8_t, read_buffer_size> data{};
};

// Each operation asks for the rights it uses and no more: a key whose access list
// lets this account only read it (another product's settings, a key locked down
// by an administrator) must still be readable, and an elevated process holding
// full rights it never uses only widens what a mistake can do.
unique_registry_key open_key(HKEY hive, const std::wstring& key, REGSAM access, LONG& status)
{
    unique_registry_key opened;
    status = RegOpenKeyExW(hive, key.c_str(), 0, access, opened.put());
    return opened;
}

// The stored characters up to the first null. The data need not end with a null,
// and an odd trailing byte is not half a character we could show.
std::wstring text_from(const raw_value& raw)
{
    const std::size_t characters = raw.size / sizeof(wchar_t);
    std::wstring text(characters, L'\0');
    std::memcpy(text.data(), raw.data.data(), characters * sizeof(wchar_t));
    const auto end = text.find(L'\0');
    if (end != text.npos)
        text.resize(end);
    return text;
}

template <typename Number>
registry_value number_from(const raw_value& raw, const registry_value& fallback)
{
    // A number stored with the wrong length cannot be read as that number.
    if (raw.size != sizeof(Number))
        return fallback;
    Number number{};
    std::memcpy(&number, raw.data.data(), sizeof(Number));
    return number;
}

registry_value value_from(const raw_value& raw, const registry_value& fallback)
{
    switch (raw.type) {
    case REG_SZ: return text_from(raw);
    case REG_BINARY: return std::vector<std::uint8_t>(raw.data.begin(), raw.data.begin() + raw.size);
    case REG_DWORD: return number_from<std::uint32_t>(raw, fallback);
    case REG_QWORD: return number_from<std::uint64_t>(raw, fallback);
    default: throw std::runtime_error("[windows::registry] not implemented");
    }
}

// Type, pointer and length of the data a value is stored as.
struct stored_form {
    DWORD type;
    const void* data;
    std::size_t size;
};

struct form_of : boost::static_visitor<stored_form> {
    stored_form operator()(const std::uint32_t& number) const { return {REG_DWORD, &number, sizeof number}; }
    stored_form operator()(const std::uint64_t& number) const { return {REG_QWORD, &number, sizeof number}; }
    stored_form operator()(const std::wstring& text) const
    {
        return {REG_SZ, text.c_str(), (text.size() + 1) * sizeof(wchar_t)};
    }
    stored_form operator()(const std::vector<std::uint8_t>& bytes) const
    {
        return {REG_BINARY, bytes.data(), bytes.size()};
    }
};

// Only the value is set through the handle. Creating the key and its missing
// parents takes the right to create subkeys on each parent, which the system
// asks for on its own; the handle it returns needs none.
unique_registry_key open_or_create_key(HKEY hive, const std::wstring& key)
{
    LONG status = ERROR_SUCCESS;
    unique_registry_key opened = open_key(hive, key, KEY_SET_VALUE, status);
    if (status == ERROR_FILE_NOT_FOUND)
        RegCreateKeyExW(hive, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, opened.put(),
                        nullptr);
    return opened;
}

// Both functions open the key themselves with the rights a tree deletion needs
// (enumerating, querying, deleting); nothing is opened here.
LONG delete_tree(HKEY hive, const std::wstring& key)
{
    if (auto* delete_tree_w = system_function<decltype(RegDeleteTreeW)>(L"advapi32.dll", "RegDeleteTreeW"))
        return delete_tree_w(hive, key.c_str());
    return static_cast<LONG>(SHDeleteKeyW(hive, key.c_str()));
}

} // namespace

const std::wstring& registry_text(const registry_value& value)
{
    return boost::get<std::wstring>(value);
}

registry_value registry_read(HKEY hive, const std::wstring& key, const std::wstring& name,
                             const registry_value& fallback)
{
    LONG status = ERROR_SUCCESS;
    const unique_registry_key opened = open_key(hive, key, KEY_QUERY_VALUE, status);
    if (status != ERROR_SUCCESS)
        return fallback;
    raw_value raw;
    raw.size = read_buffer_size;
    status = RegQueryValueExW(opened.get(), name.c_str(), nullptr, &raw.type, raw.data.data(), &raw.size);
    if (status != ERROR_SUCCESS || raw.size > read_buffer_size)
        return fallback;
    return value_from(raw, fallback);
}

bool registry_write(HKEY hive, const std::wstring& key, const std::wstring& name, const registry_value& value)
{
    const form_of visitor;
    const stored_form form = boost::apply_visitor(visitor, value);
    if (form.size > std::numeric_limits<DWORD>::max())
        return false;
    const unique_registry_key opened = open_or_create_key(hive, key);
    if (!opened)
        return false;
    return RegSetValueExW(opened.get(), name.c_str(), 0, form.type, static_cast<const BYTE*>(form.data),
                          static_cast<DWORD>(form.size)) == ERROR_SUCCESS;
}

bool registry_delete_tree(HKEY hive, const std::wstring& key)
{
    // An empty path names the hive itself: deleting "its tree" would empty the
    // whole hive, which no caller can mean.
    if (key.empty())
        return false;
    const LONG status = delete_tree(hive, key);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

} // namespace general::windows
