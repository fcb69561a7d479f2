#include "tests/support/text_census.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <sstream>
#include <stdexcept>

#include "general/windows/text.h"
#include "views/cancel_view.h"
#include "views/error_view.h"
#include "views/finish_view.h"
#include "views/process_view.h"
#include "views/start_view.h"
#include "views/uninstall_steps_view.h"
#include "views/uninstall_view.h"

namespace test_support {

namespace {

namespace fs = std::filesystem;

std::string read_source(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + file.string());
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The text of the C++ wide literals (L"..." L"...") starting at `at`, joined;
// `at` moves past them. Nothing when no literal starts there.
std::optional<std::string> literals_at(const std::string& text, std::size_t& at)
{
    std::optional<std::string> joined;
    for (;;) {
        std::size_t next = text.find_first_not_of(" \t\r\n", at);
        if (next == std::string::npos || text.compare(next, 2, "L\"") != 0)
            return joined;
        std::string part;
        std::size_t i = next + 2;
        for (; i < text.size() && text[i] != '"'; ++i) {
            if (text[i] == '\\' && i + 1 < text.size()) {
                const char escaped = text[++i];
                part += escaped == 'n' ? '\n' : escaped == 't' ? '\t' : escaped;
            } else {
                part += text[i];
            }
        }
        joined = joined.value_or("") + part;
        at = i + 1;
    }
}

// Page classes and their contexts, from the constructors ("x::x(...) :
// base_view(L"Context"").
std::map<std::string, std::string> page_contexts(const std::string& text)
{
    std::map<std::string, std::string> contexts;
    static const std::regex constructor(R"re((\w+)::\1\([^)]*\)\s*:\s*base_view\(L"(\w+)")re");
    for (std::sregex_iterator it(text.begin(), text.end(), constructor), end; it != end; ++it)
        contexts[(*it)[1]] = (*it)[2];
    return contexts;
}

// The class of the member function whose body holds `at`: the last definition
// "type class::member(" that starts a line before it.
std::string enclosing_class(const std::string& text, std::size_t at)
{
    static const std::regex definition(R"re((?:^|\n)[^\s/#][^\n]*?\b(\w+)::~?\w+\()re");
    std::string found;
    const std::string before = text.substr(0, at);
    for (std::sregex_iterator it(before.begin(), before.end(), definition), end; it != end; ++it)
        found = (*it)[1];
    return found;
}

std::size_t line_of(const std::string& text, std::size_t at)
{
    return 1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
}

void scan(const fs::path& file, const std::string& folder, std::vector<passed_text>& found)
{
    const std::string text = read_source(file);
    const auto contexts = page_contexts(text);
    static const std::regex call(R"re(\b(tr|translate|noop)\()re");
    for (std::sregex_iterator it(text.begin(), text.end(), call), end; it != end; ++it) {
        const std::string function = (*it)[1];
        std::size_t at = static_cast<std::size_t>(it->position() + it->length());
        const std::string where = folder + "/" + file.filename().string() + ":" + std::to_string(line_of(text, at));
        std::string context;
        if (function != "tr") {
            // translate(context, source...) and noop(context, source)
            if (auto named = literals_at(text, at)) {
                context = *named;
            } else if (text.compare(text.find_first_not_of(" \t\r\n", at), 6, "name()") == 0 &&
                       enclosing_class(text, at) == "CMainDlg") {
                context = "MainDlg";
                at = text.find_first_not_of(" \t\r\n", at) + 6;
            } else {
                continue; // a declaration, or a context passed on from a caller
            }
            at = text.find_first_not_of(" \t\r\n", at);
            if (at == std::string::npos || text[at] != ',')
                continue;
            ++at;
        } else {
            const std::string owner = enclosing_class(text, at);
            const auto page = contexts.find(owner);
            if (page == contexts.end()) {
                if (literals_at(text, at))
                    throw std::runtime_error("no page context for tr() in " + where);
                continue;
            }
            context = page->second;
        }
        if (auto source = literals_at(text, at))
            found.push_back({general::windows::utf8_to_wide(context), general::windows::utf8_to_wide(*source), where});
    }
}

} // namespace

page_layout layout_of(const base_view& page)
{
    // Through the one subclass that may ask for it.
    struct peek : base_view {
        static page_layout of(const base_view& p) { return (p.*(&peek::layout))(); }
    };
    return peek::of(page);
}

std::vector<std::unique_ptr<base_view>> every_page()
{
    std::vector<std::unique_ptr<base_view>> pages;
    pages.push_back(std::make_unique<start_view>(link_addresses{}));
    pages.push_back(std::make_unique<process_view>());
    pages.push_back(std::make_unique<finish_view>());
    pages.push_back(std::make_unique<error_view>());
    pages.push_back(std::make_unique<uninstall_view>());
    pages.push_back(std::make_unique<uninstalled_view>());
    pages.push_back(std::make_unique<cancel_view>(link_addresses{}));
    pages.push_back(std::make_unique<abandon_view>());
    pages.push_back(std::make_unique<uninstall_step1_view>());
    pages.push_back(std::make_unique<uninstall_step2_view>());
    pages.push_back(std::make_unique<uninstall_step3_view>());
    return pages;
}

std::vector<passed_text> layout_texts()
{
    std::vector<passed_text> found;
    for (const auto& page : every_page()) {
        const page_layout layout = layout_of(*page);
        const std::string where = general::windows::wide_to_utf8(page->name()) + " layout";
        for (const auto& item : layout.texts)
            if (!item.source.empty()) // a control the page fills later
                found.push_back({page->name(), item.source, where});
        for (const auto& item : layout.links)
            found.push_back({page->name(), item.source, where});
        for (const auto& item : layout.radios)
            found.push_back({page->name(), item.source, where});
        for (const auto& item : layout.buttons)
            found.push_back({page->name(), item.source, where});
    }
    return found;
}

std::vector<passed_text> code_texts()
{
    std::vector<passed_text> found;
    const fs::path root = source_root();
    for (const char* folder : {"app", "views", "workers"}) {
        std::vector<fs::path> files;
        for (const auto& entry : fs::recursive_directory_iterator(root / folder))
            if (entry.path().extension() == ".cpp")
                files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        for (const auto& file : files)
            scan(file, folder, found);
    }
    return found;
}

fs::path source_root()
{
    return QEL_SOURCE_DIR;
}

std::vector<passed_text> texts_passed()
{
    std::vector<passed_text> all = layout_texts();
    for (auto& each : code_texts())
        all.push_back(std::move(each));
    std::set<std::pair<std::wstring, std::wstring>> seen;
    std::vector<passed_text> unique;
    for (auto& each : all)
        if (seen.insert({each.context, each.source}).second)
            unique.push_back(std::move(each));
    return unique;
}

} // namespace test_support
