#include "app/post_install.h"

#include <filesystem>
#include <system_error>

#include "app/configuration.h"
#include "general/log/log.h"
#include "general/windows/registry.h"
#include "general/windows/settings.h"
#include "general/windows/system.h"
#include "general/windows/text.h"

namespace post_install {

namespace {

namespace fs = std::filesystem;

const wchar_t* const installation_key = L"SOFTWARE\\Talmirex";
const wchar_t* const edition_key = L"SOFTWARE\\ZEB";
const wchar_t* const installer_copy = L"SentovarInstaller.exe";
const wchar_t* const removal_program = L"msiexec.exe";
const wchar_t* const removal_log = L"sd_uninstall.log";

bool is_separator(wchar_t character)
{
    return character == L'\\' || character == L'/';
}

std::wstring quoted(const std::wstring& text)
{
    return L"\"" + text + L"\"";
}

// The protection product's folder; empty when it is not recorded or not
// stored as text.
std::wstring installed_folder()
{
    try {
        return general::windows::registry_text(
            general::windows::registry_read(HKEY_LOCAL_MACHINE, installation_key, L"Path", std::wstring{}));
    } catch (...) {
        return {};
    }
}

// A system error's text, which Windows ends with a line break.
std::wstring describe(const std::error_code& error)
{
    std::wstring text = general::windows::to_wide(error.message());
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    return text.empty() ? L"error " + std::to_wstring(error.value()) : text;
}

// Copies this executable into the product's folder; returns what went wrong,
// or nothing.
std::wstring copy_into_installed_folder()
{
    const std::wstring folder = installed_folder();
    if (folder.empty())
        return {};
    const fs::path destination = tray_path(folder, installer_copy);
    const fs::path source = general::windows::executable_path();
    if (!destination.is_absolute())
        return L"cannot copy the installer to " + destination.wstring() + L": not a full path";
    if (source.empty())
        return L"cannot copy the installer: its own path is unknown";
    std::error_code error;
    // Started from that very place, the copy is already there; removing it
    // first would lose it.
    if (fs::equivalent(source, destination, error))
        return {};
    error.clear();
    fs::remove(destination, error);
    if (error)
        return L"cannot replace " + destination.wstring() + L": " + describe(error);
    if (!fs::copy_file(source, destination, fs::copy_options::none, error))
        return L"cannot copy " + source.wstring() + L" to " + destination.wstring() + L": " + describe(error);
    general::log::prefix{L"main"}.info(L"copied the installer to " + destination.wstring());
    return {};
}

// A company or product name that makes one level of a key path.
bool is_key_name(const std::wstring& name)
{
    return !name.empty() && name.find(L'\\') == name.npos;
}

void delete_user_settings(const general::log::prefix& log)
{
    std::wstring company;
    std::wstring product;
    try {
        company = general::windows::company_name();
        product = general::windows::product_name();
    } catch (const std::exception&) {
    }
    // An empty or composite name would make the path name a parent key (all of
    // "SOFTWARE" at worst), which is never ours to delete.
    if (!is_key_name(company) || !is_key_name(product)) {
        log.error(L"the user's settings are kept: the company or product name is unreadable, empty or holds a "
                  L"separator");
        return;
    }
    const std::wstring key = L"SOFTWARE\\" + company + L"\\" + product;
    if (general::windows::registry_delete_tree(HKEY_CURRENT_USER, key))
        log.info(L"deleted the user's settings " + key);
    else
        log.error(L"could not delete the user's settings " + key);
}

void open_survey(const system_functions& system, const std::wstring& address, const general::log::prefix& log)
{
    try {
        if (!system.open_address(address))
            log.error(L"could not open the survey " + address);
    } catch (const std::exception&) {
        log.error(L"could not open the survey " + address);
    }
}

} // namespace

system_functions default_system_functions()
{
    return {
        [](const std::wstring& program) { return general::windows::start_program(program); },
        [](HWND owner, const std::wstring& text, const std::wstring& caption) {
            MessageBoxW(owner, text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
        },
        [](const std::wstring& address) { return general::windows::open_address(address); },
    };
}

std::wstring tray_path(std::wstring_view folder, std::wstring_view tray_exe)
{
    while (!tray_exe.empty() && is_separator(tray_exe.front()))
        tray_exe.remove_prefix(1);
    if (folder.empty())
        return std::wstring{tray_exe};
    // A folder of separators only ("\\") is a root and keeps one.
    while (!folder.empty() && is_separator(folder.back()))
        folder.remove_suffix(1);
    std::wstring joined{folder};
    joined += L'\\';
    joined += tray_exe;
    return joined;
}

void start_tray(HWND owner, const product_descriptor& product, const std::wstring& caption,
                const system_functions& system)
{
    if (product.tray_exe.empty())
        return;
    const general::log::prefix log{L"main"};
    try {
        log.info(L"starting the tray");
        const std::wstring folder = installed_folder();
        if (folder.empty()) {
            log.info(L"the protection product's folder is not recorded: the tray is not started");
            return;
        }
        const std::wstring path = tray_path(folder, product.tray_exe);
        log.info(L"tray path is " + path);
        if (system.start_program(path))
            return;
        const std::wstring text = L"starting of " + path + L" failed";
        log.info(text);
        system.show_error(owner, text, caption);
    } catch (const std::exception& error) {
        log.error(L"starting the tray failed: " + general::windows::to_wide(error.what()));
    }
}

void copy_installer(HWND owner, const std::wstring& caption, const system_functions& system)
{
    const general::log::prefix log{L"main"};
    std::wstring failure;
    try {
        failure = copy_into_installed_folder();
    } catch (const std::exception& error) {
        failure = general::windows::to_wide(error.what());
        if (failure.empty())
            failure = L"copying the installer failed";
    }
    if (failure.empty())
        return;
    log.error(failure);
    try {
        system.show_error(owner, failure, caption);
    } catch (const std::exception&) {
    }
}

std::wstring removal_command_line(std::wstring_view system_folder, std::wstring_view product_code,
                                  std::wstring_view temp_folder)
{
    return quoted(tray_path(system_folder, removal_program)) + L" /x " + std::wstring{product_code} + L" /L*V " +
           quoted(tray_path(temp_folder, removal_log)) + L" /passive";
}

void remove_protection_product()
{
    const general::log::prefix log{L"main"};
    try {
        const std::wstring system_folder = general::windows::system_directory();
        if (system_folder.empty()) {
            log.error(L"the system folder is unknown: the protection product is not removed");
            return;
        }
        std::error_code error;
        std::wstring temp_folder = fs::temp_directory_path(error).wstring();
        if (error)
            temp_folder = general::windows::temp_directory();
        const std::wstring command =
            removal_command_line(system_folder, configuration::protection_product_code(), temp_folder);
        log.info(L"removing the protection product: " + command);
        DWORD exit_code = 0;
        if (general::windows::create_process(command, true, false, {}, &exit_code) == 0)
            log.error(L"could not start " + command);
        else
            log.info(L"the removal ended with " + std::to_wstring(exit_code));
    } catch (const std::exception& error) {
        log.error(L"removing the protection product failed: " + general::windows::to_wide(error.what()));
    }
}

std::wstring clean_up_after_removal(const system_functions& system)
{
    const general::log::prefix log{L"main"};
    std::wstring edition;
    try {
        edition = general::windows::registry_text(
            general::windows::registry_read(HKEY_LOCAL_MACHINE, edition_key, L"ut", std::wstring{}));
    } catch (...) {
        // A number, or a type the reader does not know: no edition we serve.
    }
    try {
        log.info(L"removed edition: " + edition);
        if (edition == L"full") {
            open_survey(system, configuration::full_survey_url(), log);
        } else if (edition == L"lite") {
            open_survey(system, configuration::lite_survey_url(), log);
            delete_user_settings(log);
        }
        if (!general::windows::registry_delete_tree(HKEY_LOCAL_MACHINE, edition_key))
            log.error(L"could not delete the edition markers");
    } catch (const std::exception& error) {
        log.error(L"the clean-up failed: " + general::windows::to_wide(error.what()));
    }
    return edition;
}

} // namespace post_install
