#include "tests/flows/flow_driver.h"

#include <msi.h>
#include <tlhelp32.h>

#include <cwchar>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <thread>

#include <boost/property_tree/json_parser.hpp>
#include <boost/property_tree/ptree.hpp>

#include "app/configuration.h"
#include "general/windows/registry.h"
#include "general/windows/system.h"
#include "general/windows/text.h"
#include "tests/support/stats_stand_in.h"

namespace flows {

namespace {

using namespace std::chrono_literals;
using clock = std::chrono::steady_clock;

const wchar_t* const log_name = L"Varnhelm_installer.log";
const wchar_t* const product_folder = L"C:\\Program Files\\Sentovar";
// The variables through which the test build's configuration picks faults.
const wchar_t* const fault_variables[] = {L"QEL_TESTBED_DOWNLOAD_PREFIX", L"QEL_TESTBED_STATISTICS"};
// The message box's text control, as the system's message boxes number it.
constexpr int box_text_id = 0xFFFF;
constexpr auto poll = 5ms;

std::string utf8(const std::wstring& text)
{
    return general::windows::wide_to_utf8(text);
}

std::string seconds(std::chrono::milliseconds bound)
{
    return std::to_string(bound.count() / 1000) + " s";
}

std::wstring window_text(HWND window)
{
    wchar_t text[512] = {};
    const int length = GetWindowTextW(window, text, static_cast<int>(std::size(text)));
    return std::wstring(text, length > 0 ? length : 0);
}

std::wstring class_name(HWND window)
{
    wchar_t name[64] = {};
    const int length = GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return std::wstring(name, length > 0 ? length : 0);
}

bool is_message_box(HWND window)
{
    return class_name(window) == L"#32770" && GetDlgItem(window, box_text_id) != nullptr;
}

std::vector<HWND> top_level_windows(DWORD process_id)
{
    struct search {
        DWORD id;
        std::vector<HWND> found;
    } context{process_id, {}};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto& c = *reinterpret_cast<search*>(parameter);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == c.id)
                c.found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&context));
    return context.found;
}

// The page windows: the direct children of the main window.
std::vector<HWND> pages_of(HWND main)
{
    std::vector<HWND> found;
    for (HWND child = GetWindow(main, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        found.push_back(child);
    return found;
}

struct environment_strings_traits {
    void operator()(wchar_t* strings) const { FreeEnvironmentStringsW(strings); }
};

struct no_case {
    bool operator()(const std::wstring& a, const std::wstring& b) const { return _wcsicmp(a.c_str(), b.c_str()) < 0; }
};

std::vector<wchar_t> environment_block(const std::filesystem::path& temp, const std::vector<variable>& variables)
{
    std::map<std::wstring, std::wstring, no_case> values;
    const std::unique_ptr<wchar_t, environment_strings_traits> strings(GetEnvironmentStringsW());
    for (const wchar_t* entry = strings.get(); entry && *entry; entry += std::wcslen(entry) + 1) {
        const std::wstring text = entry;
        const auto equals = text.find(L'=', 1); // names such as "=C:" start with "="
        if (equals != std::wstring::npos)
            values[text.substr(0, equals)] = text.substr(equals + 1);
    }
    for (const wchar_t* name : fault_variables)
        values.erase(name);
    values[L"TMP"] = values[L"TEMP"] = temp.wstring();
    values[L"QEL_FAKE_ARCHIVER_TARGET"] = (temp / L"Quobex").wstring();
    for (const auto& [name, value] : variables)
        values[name] = value;
    std::vector<wchar_t> block;
    for (const auto& [name, value] : values) {
        const std::wstring entry = name + L"=" + value;
        block.insert(block.end(), entry.begin(), entry.end());
        block.push_back(L'\0');
    }
    block.push_back(L'\0');
    return block;
}

std::string read_file(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

std::wstring machine_text(const std::wstring& key, const std::wstring& name)
{
    try {
        return boost::get<std::wstring>(general::windows::registry_read(
            HKEY_LOCAL_MACHINE, key, name, general::windows::registry_value{std::wstring{}}));
    } catch (const std::exception&) {
        return {};
    }
}

// Calls `each` with the id of every process whose program has one of `names`.
template <typename Function>
void for_each_process_named(const std::vector<std::wstring>& names, Function each)
{
    const general::windows::unique_snapshot snapshot{CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0)};
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = snapshot && Process32FirstW(snapshot.get(), &entry); more;
         more = Process32NextW(snapshot.get(), &entry)) {
        for (const auto& name : names) {
            if (_wcsicmp(entry.szExeFile, name.c_str()) == 0)
                each(entry.th32ProcessID);
        }
    }
}

void end_processes_named(const std::vector<std::wstring>& names)
{
    for_each_process_named(names, [](DWORD id) {
        const general::windows::unique_handle process{OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)};
        if (process && TerminateProcess(process.get(), 1))
            WaitForSingleObject(process.get(), 5000);
    });
}

void delete_machine_key(const wchar_t* name)
{
    for (const REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) {
        HKEY opened = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE", 0, KEY_ALL_ACCESS | view, &opened) != ERROR_SUCCESS)
            continue;
        const general::windows::unique_registry_key software{opened};
        RegDeleteTreeW(software.get(), name);
    }
}

} // namespace

std::wstring installer_path()
{
    // The build tree's Linux path; Wine shows the root of the Linux file system as Z:.
    const std::string path = QEL_INSTALLER_EXE;
    std::wstring result = L"Z:";
    for (char c : path)
        result += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return result;
}

installer_run::installer_run(const std::wstring& arguments, const std::filesystem::path& temp,
                             const std::vector<variable>& variables)
    : installer_run(installer_path(), arguments, temp, variables)
{
}

installer_run::installer_run(const std::filesystem::path& program, const std::wstring& arguments,
                             const std::filesystem::path& temp, const std::vector<variable>& variables)
{
    const std::wstring lowered = [&] {
        std::wstring text = arguments;
        for (auto& c : text)
            c = static_cast<wchar_t>(std::towlower(c));
        return text;
    }();
    title_ = lowered == L"/u" || lowered == L"/ud" ? L"Varnhelm Sentovar Installer" : L"Quobex Varnhelm Installer";
    std::wstring command_line = L"\"" + program.wstring() + L"\"";
    if (!arguments.empty())
        command_line += L" " + arguments;
    auto environment = environment_block(temp, variables);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                        environment.data(), nullptr, &startup, &info))
        throw std::runtime_error("could not start " + utf8(command_line) + ": error " + std::to_string(GetLastError()));
    general::windows::unique_handle thread{info.hThread};
    process_ = general::windows::unique_handle{info.hProcess};
    id_ = info.dwProcessId;
}

installer_run::~installer_run()
{
    if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.get(), 255);
        WaitForSingleObject(process_.get(), 10000);
    }
}

HWND installer_run::main_window(std::chrono::milliseconds bound)
{
    if (main_ && IsWindow(main_))
        return main_;
    for (const auto deadline = clock::now() + bound;;) {
        for (HWND window : top_level_windows(id_)) {
            if (IsWindowVisible(window) && !is_message_box(window) && window_text(window) == title_)
                return main_ = window;
        }
        if (WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0)
            fail("the installer ended before its window \"" + utf8(title_) + "\" showed");
        if (clock::now() > deadline)
            fail("no window \"" + utf8(title_) + "\" within " + seconds(bound));
        std::this_thread::sleep_for(poll);
    }
}

HWND installer_run::find_page(const std::wstring& key) const
{
    for (HWND page : pages_of(main_)) {
        if (IsWindowVisible(page) && window_text(page) == key)
            return page;
    }
    return nullptr;
}

HWND installer_run::wait_page(const std::wstring& key, std::chrono::milliseconds bound)
{
    const auto deadline = clock::now() + bound;
    main_window(bound);
    bool pressed_gone = pressed_ == nullptr;
    for (;;) {
        if (!pressed_gone && !IsWindowVisible(pressed_))
            pressed_gone = true;
        if (HWND page = find_page(key); page && (page != pressed_ || pressed_gone)) {
            page_ = page;
            pressed_ = nullptr;
            return page;
        }
        if (WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0)
            fail("the installer ended while page \"" + utf8(key) + "\" was awaited");
        if (clock::now() > deadline)
            fail("page \"" + utf8(key) + "\" did not show within " + seconds(bound) +
                 (pressed_gone ? "" : " (the page pressed last never went away)"));
        std::this_thread::sleep_for(poll);
    }
}

void installer_run::press(int control)
{
    if (!page_)
        fail("a button was to be pressed before any page was awaited");
    HWND button = GetDlgItem(page_, control);
    if (!button)
        fail("page \"" + utf8(window_text(page_)) + "\" has no control " + std::to_string(control));
    PostMessageW(page_, WM_COMMAND, MAKEWPARAM(control, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    pressed_ = page_;
}

void installer_run::choose(int control, std::chrono::milliseconds bound)
{
    if (!page_)
        fail("a choice was to be made before any page was awaited");
    HWND button = GetDlgItem(page_, control);
    if (!button)
        fail("page \"" + utf8(window_text(page_)) + "\" has no control " + std::to_string(control));
    PostMessageW(button, BM_CLICK, 0, 0);
    for (const auto deadline = clock::now() + bound;;) {
        DWORD_PTR state = 0;
        if (SendMessageTimeoutW(button, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 1000, &state) && state == BST_CHECKED)
            return;
        if (clock::now() > deadline)
            fail("control " + std::to_string(control) + " of page \"" + utf8(window_text(page_)) +
                 "\" was not checked within " + seconds(bound));
        std::this_thread::sleep_for(poll);
    }
}

void installer_run::wait_text(int control, const std::wstring& part, std::chrono::milliseconds bound)
{
    if (!page_)
        fail("a text was awaited before any page was");
    HWND target = GetDlgItem(page_, control);
    if (!target)
        fail("page \"" + utf8(window_text(page_)) + "\" has no control " + std::to_string(control));
    for (const auto deadline = clock::now() + bound;;) {
        const std::wstring text = window_text(target);
        if (text.find(part) != std::wstring::npos)
            return;
        if (clock::now() > deadline)
            fail("control " + std::to_string(control) + " did not show \"" + utf8(part) + "\" within " +
                 seconds(bound) + "; it shows \"" + utf8(text) + "\"");
        std::this_thread::sleep_for(poll);
    }
}

void installer_run::keep_answering(std::chrono::milliseconds duration, std::chrono::milliseconds bound)
{
    HWND window = main_window(bound);
    for (const auto end = clock::now() + duration; clock::now() < end && IsWindow(window);) {
        DWORD_PTR answer = 0;
        const auto sent = clock::now();
        if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, static_cast<UINT>(bound.count()), &answer) &&
            IsWindow(window))
            fail(
                "the window did not answer within " + seconds(bound) + " after " +
                std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(sent - (end - duration)).count()) +
                " ms");
        std::this_thread::sleep_for(50ms);
    }
}

void installer_run::dialog_cancel(std::chrono::milliseconds bound)
{
    PostMessageW(main_window(bound), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    pressed_ = page_;
}

std::wstring installer_run::answer_box(const std::wstring& caption, int command, std::chrono::milliseconds bound)
{
    const auto deadline = clock::now() + bound;
    HWND box = nullptr;
    while (!box) {
        for (HWND window : top_level_windows(id_)) {
            if (IsWindowVisible(window) && is_message_box(window) && window_text(window) == caption)
                box = window;
        }
        if (box)
            break;
        if (WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0)
            fail("the installer ended while a message box \"" + utf8(caption) + "\" was awaited");
        if (clock::now() > deadline)
            fail("no message box \"" + utf8(caption) + "\" within " + seconds(bound));
        std::this_thread::sleep_for(poll);
    }
    const std::wstring text = window_text(GetDlgItem(box, box_text_id));
    HWND button = GetDlgItem(box, command);
    if (!button)
        fail("the message box \"" + utf8(text) + "\" has no button " + std::to_string(command));
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    while (IsWindow(box)) {
        if (clock::now() > deadline)
            fail("the message box \"" + utf8(text) + "\" stayed after it was answered");
        std::this_thread::sleep_for(poll);
    }
    pressed_ = nullptr;
    return text;
}

std::optional<DWORD> installer_run::wait_exit(std::chrono::milliseconds bound)
{
    if (WaitForSingleObject(process_.get(), static_cast<DWORD>(bound.count())) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

std::string installer_run::describe() const
{
    std::string text;
    DWORD code = 0;
    if (WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0 && GetExitCodeProcess(process_.get(), &code))
        return "the installer has ended with exit code " + std::to_string(code);
    text = "the installer shows:";
    for (HWND window : top_level_windows(id_)) {
        if (!IsWindowVisible(window))
            continue;
        text += " [" + utf8(class_name(window)) + " \"" + utf8(window_text(window)) + "\"";
        if (is_message_box(window))
            text += ": \"" + utf8(window_text(GetDlgItem(window, box_text_id))) + "\"";
        else
            for (HWND page : pages_of(window))
                if (IsWindowVisible(page))
                    text += " page \"" + utf8(window_text(page)) + "\"";
        text += "]";
    }
    return text;
}

void installer_run::fail(const std::string& what) const
{
    throw std::runtime_error(what + "; " + describe());
}

std::string log_text(const std::filesystem::path& temp)
{
    return read_file(temp / log_name);
}

std::filesystem::path download_folder(const std::filesystem::path& temp)
{
    const std::string log = log_text(temp);
    constexpr std::string_view marker = "downloads go to ";
    const auto at = log.find(marker);
    if (at == std::string::npos)
        return {};
    const auto start = at + marker.size();
    return general::windows::utf8_to_wide(log.substr(start, log.find_first_of("\r\n", start) - start));
}

std::string log_tail(const std::filesystem::path& temp, std::size_t count)
{
    const std::string text = log_text(temp);
    std::size_t start = text.size();
    for (std::size_t lines = 0; start > 0 && lines <= count;)
        if (text[--start] == '\n')
            ++lines;
    return text.substr(start);
}

std::size_t reports_received()
{
    return test_support::stats_stand_in::received().size();
}

std::vector<std::string> events_since(std::size_t watermark)
{
    const auto reports = test_support::stats_stand_in::received();
    std::vector<std::string> keys;
    for (std::size_t i = watermark; i < reports.size(); ++i) {
        try {
            std::istringstream body(reports[i].body);
            boost::property_tree::ptree events;
            boost::property_tree::read_json(body, events);
            for (const auto& [unused, event] : events)
                for (const auto& [key, details] : event)
                    keys.push_back(key);
        } catch (const std::exception&) {
            keys.push_back("(unreadable report: " + reports[i].body + ")");
        }
    }
    return keys;
}

machine_state read_machine_state(const std::filesystem::path& temp, std::chrono::milliseconds tray_bound)
{
    for (const auto deadline = clock::now() + tray_bound; clock::now() < deadline;) {
        if (read_machine_state(temp).tray_ran)
            break;
        std::this_thread::sleep_for(50ms);
    }
    return read_machine_state(temp);
}

machine_state read_machine_state(const std::filesystem::path& temp)
{
    machine_state state;
    std::error_code ignored;
    // The downloads live in a folder of the run's own that is gone afterwards;
    // the fake archiver also records its command line where it "installs".
    const auto installed = temp / L"Quobex" / L"quobex-installed.txt";
    state.archiver_installed = std::filesystem::exists(installed, ignored);
    if (state.archiver_installed) {
        std::wstring line = general::windows::utf8_to_wide(read_file(installed));
        while (!line.empty() && (line.back() == L'\n' || line.back() == L'\r'))
            line.pop_back();
        state.archiver_command_line = line;
    }
    state.protection_path = machine_text(L"SOFTWARE\\Talmirex", L"Path");
    const std::filesystem::path folder{product_folder};
    state.tray_present = std::filesystem::exists(folder / L"qeltray.exe", ignored);
    // However it was started, the tray leaves its record beside itself.
    state.tray_ran = std::filesystem::exists(folder / L"qeltray.exe.ran", ignored);
    for_each_process_named({L"qeltray.exe"}, [&state](DWORD) { ++state.trays_running; });
    state.installer_copy = std::filesystem::exists(folder / L"SentovarInstaller.exe", ignored);
    state.edition_marker = machine_text(L"SOFTWARE\\ZEB", L"qo");
    return state;
}

bool key_exists(HKEY hive, const std::wstring& key)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExW(hive, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    const general::windows::unique_registry_key owner{opened};
    return true;
}

void plant_text(HKEY hive, const std::wstring& key, const std::wstring& name, const std::wstring& value)
{
    if (!general::windows::registry_write(hive, key, name, value))
        throw std::runtime_error("could not write " + utf8(key) + " " + utf8(name));
}

void clean_machine()
{
    end_processes_named({L"qeltray.exe", L"Quobex.exe", L"SentovarInstaller.exe"});
    const std::wstring product = configuration::protection_product_code();
    if (MsiQueryProductStateW(product.c_str()) == INSTALLSTATE_DEFAULT) {
        const std::wstring msiexec = general::windows::system_directory() + L"\\msiexec.exe";
        general::windows::create_process(L"\"" + msiexec + L"\" /x " + product + L" /qn", true, true);
    }
    delete_machine_key(L"Talmirex");
    delete_machine_key(L"ZEB");
    std::error_code ignored;
    std::filesystem::remove_all(product_folder, ignored);
}

} // namespace flows
