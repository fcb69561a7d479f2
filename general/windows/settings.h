#pragma once
// The installer's few settings. Read from the protection product's installation
// key on every call (nothing cached), with built-in defaults when the product is
// not installed. Safe from any thread. A value stored with a non-text type makes
// the read throw boost::bad_get.
#include <string>

namespace general::windows {

std::wstring company_name();          // "Company", default "Varnhelm"
std::wstring product_name();          // "Product", default "Sentovar"
std::wstring product_version();       // "Version", default "1.0.41"
std::wstring product_display_name();  // company, a blank, product
std::wstring resources_directory();   // "resources" beside the executable

} // namespace general::windows
