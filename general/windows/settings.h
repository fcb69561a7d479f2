#pragma once
// The installer's few settings. Read from the protection product's installation
// key on every call (nothing cached), with built-in defaults when the product is
// not installed. Safe from any thread. A value stored as a number or bytes makes
// the read throw boost::bad_get; one of a type the registry reader does not know
// (REG_EXPAND_SZ, REG_MULTI_SZ) throws std::runtime_error.
#include <string>

namespace general::windows {

// The protection product's own installation key under HKEY_LOCAL_MACHINE, which
// holds these settings and what the product recorded of itself ("Path").
inline constexpr const wchar_t* installation_key = L"SOFTWARE\\Talmirex";

// The maker's and the protection product's fixed names: the defaults of the
// settings below, and how captions, pages and the product list write them.
inline constexpr const wchar_t* maker_name = L"Varnhelm";
inline constexpr const wchar_t* protection_name = L"Sentovar";
std::wstring protection_full_name(); // the two, a blank between: "Varnhelm Sentovar"

std::wstring company_name();         // "Company", default maker_name
std::wstring product_name();         // "Product", default protection_name
std::wstring product_version();      // "Version", default "1.0.41"
std::wstring product_display_name(); // company, a blank, product
std::wstring resources_directory();  // "resources" beside the executable

} // namespace general::windows
