#pragma once
// Every text the installer passes through the translation, found where the code
// keeps it rather than copied into a list: the layouts of every page (asked of
// the page objects themselves) and the literals the sources hand to tr(),
// translate() and translation::noop(), read from the source tree at run time.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "views/base_view.h"

namespace test_support {

struct passed_text {
    std::wstring context;
    std::wstring source;
    std::string where; // the page, or the source file and line
};

// One object of every page, as the main dialog makes them.
std::vector<std::unique_ptr<base_view>> every_page();

// What `page` lays out (its protected layout()).
page_layout layout_of(const base_view& page);

// The texts of the layouts of every page.
std::vector<passed_text> layout_texts();

// The literal texts of the calls in the sources under app/, views/ and
// workers/. A call's context is its first argument when that is a literal, the
// page's when the call is tr() inside a page's member, and "MainDlg" for
// translate(name(), ...) inside the main dialog's. Throws std::runtime_error
// when a source cannot be read or a call's context cannot be told.
std::vector<passed_text> code_texts();

// Both, without repeats.
std::vector<passed_text> texts_passed();

// The source tree the census reads.
std::filesystem::path source_root();

} // namespace test_support
