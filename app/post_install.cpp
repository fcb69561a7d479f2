#include "app/post_install.h"

#include <shlobj.h>

#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "app/configuration.h"
#include "general/log/log.h"
#include "general/translation/translation.h"
#include "general/log/path_checks.h"
#include "general/windows/private_folder.h"
#include "general/windows/registry.h"
#include "general/windows/settings.h"
#include "general/windows/system.h"
#include "general/windows/text.h"

namespace post_install {

namespace {

namespace fs = std::filesystem;

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
        return general::windows::registry_text(general::windows::registry_read(
            HKEY_LOCAL_MACHINE, general::windows::installation_key, L"Path", std::wstring{}));
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

// Copies the held file into the product's folder; returns what the user must
// be told of, or nothing.
std::wstring copy_into_installed_folder(const general::windows::running_image& own, const general::log::prefix& log)
{
    const std::wstring folder = installed_folder();
    if (folder.empty())
        return {};
    const fs::path destination = tray_path(folder, installer_copy);
    if (!destination.is_absolute())
        return L"cannot copy the installer to " + destination.wstring() + L": not a full path";
    if (!own) {
        // Whatever is at the installer's path now may be another program, which
        // the product would run elevated at its removal.
        log.error(L"the installer is not copied to " + destination.wstring() + L": " + own.failure());
        return {};
    }
    // Started from that very place, the copy is already there; removing it
    // first would lose it.
    if (own.is_same_file(destination))
        return {};
    std::error_code error;
    fs::remove(destination, error);
    if (error)
        return L"cannot replace " + destination.wstring() + L": " + describe(error);
    if (std::wstring failure = own.copy_to(destination); !failure.empty())
        return failure;
    log.info(L"copied the installer to " + destination.wstring());
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

// Makes the removal's own temporary folder under `parent`, kept in `temp`;
// returns what went wrong, or nothing.
std::wstring make_private_temp(const std::wstring& parent, std::optional<general::windows::private_folder>& temp)
{
    try {
        temp.emplace(parent, configuration::run_folder_prefix);
        return {};
    } catch (const std::system_error& error) {
        return describe(error.code());
    }
}

// The long form of the user's temporary folder when the removal may write its
// log there: it passes the checks of the installer's own log and can be
// quoted. `held` keeps it so while the removal runs. Empty otherwise, logged.
std::wstring checked_log_folder(const std::wstring& user_temp, general::log::held_folders& held,
                                const general::log::prefix& log)
{
    std::wstring folder;
    std::wstring refusal = L"the temporary folder is unknown";
    if (!user_temp.empty()) {
        folder = general::log::long_form(user_temp).wstring();
        held = general::log::held_folders::open(folder);
        if (folder.find(L'"') != folder.npos)
            refusal = folder + L" holds a quote";
        else if (!held)
            refusal = folder + (held.redirected() ? L" is redirected" : L" cannot be checked");
        else
            return folder;
    }
    log.error(L"the removal keeps no log: " + refusal);
    return {};
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
            MessageBoxW(owner, text.c_str(), caption.c_str(),
                        MB_OK | MB_ICONERROR | general::translation::message_box_direction());
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
        log.info(L"starting of " + path + L" failed");
        system.show_error(owner, general::translation::translate(L"MainDlg", L"starting of %1% failed", {path}),
                          caption);
    } catch (const std::exception& error) {
        log.error(L"starting the tray failed: " + general::windows::to_wide(error.what()));
    }
}

void copy_installer(HWND owner, const std::wstring& caption, const general::windows::running_image& own,
                    const system_functions& system)
{
    const general::log::prefix log{L"main"};
    std::wstring failure;
    try {
        failure = copy_into_installed_folder(own, log);
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
                                  std::wstring_view log_folder)
{
    std::wstring command = quoted(tray_path(system_folder, removal_program)) + L" /x " + std::wstring{product_code};
    if (!log_folder.empty())
        command += L" /L*V " + quoted(tray_path(log_folder, removal_log));
    return command + L" /passive";
}

removal_places default_removal_places()
{
    return {general::windows::system_directory(), general::windows::temp_directory(),
            general::windows::special_folder(CSIDL_COMMON_APPDATA)};
}

void remove_protection_product(const removal_places& places)
{
    const general::log::prefix log{L"main"};
    try {
        if (places.system_folder.empty()) {
            log.error(L"the system folder is unknown: the protection product is not removed");
            return;
        }
        std::optional<general::windows::private_folder> temp;
        if (const std::wstring failure = make_private_temp(places.private_parent, temp); !failure.empty()) {
            // Its temporary files would otherwise go where the user can swap
            // them for programs the elevated removal then runs.
            log.error(L"the protection product is not removed: no private temporary folder for its removal (" +
                      failure + L")");
            return;
        }
        general::log::held_folders held;
        const std::wstring log_folder = checked_log_folder(places.user_temp, held, log);
        const std::wstring code = configuration::protection_product_code();
        const std::wstring command = removal_command_line(places.system_folder, code, log_folder);
        log.info(L"removing the protection product: " + command);
        DWORD exit_code = 0;
        const std::vector<general::windows::environment_setting> environment{{L"TMP", temp->path()},
                                                                             {L"TEMP", temp->path()}};
        // Not our current folder, often the user's Downloads folder: a program
        // looks in its current folder for some of what it loads.
        if (general::windows::create_process(command, true, false, places.system_folder, &exit_code, environment) == 0)
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
