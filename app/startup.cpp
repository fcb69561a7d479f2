#include "app/startup.h"

#include <objidl.h>
#include <commctrl.h>

#include <exception>
#include <memory>

#include <boost/format.hpp>

#include "app/launch_mode.h"
#include "build_identity.h"
#include "app/main_dialog.h"
#include "general/translation/translation.h"
#include "general/log/file.h"
#include "general/log/log.h"
#include "general/windows/com.h"
#include "general/windows/gdiplus_session.h"
#include "general/windows/running_image.h"
#include "general/windows/settings.h"
#include "general/windows/system.h"
#include "general/windows/text.h"
#include "general/windows/ui/message_loop.h"

namespace startup {

namespace {

using general::windows::ui::app_module;
using general::windows::ui::message_loop;

using general::windows::gdiplus_session;

class module_session {
public:
    module_session() { app_module::instance().init(); }
    ~module_session() { app_module::instance().term(); }
    module_session(const module_session&) = delete;
    module_session& operator=(const module_session&) = delete;
};

// Registers the calling thread's loop for as long as the object lives, so an
// exception leaving `run` still unregisters it.
class loop_registration {
public:
    explicit loop_registration(message_loop& loop) { app_module::instance().add_message_loop(&loop); }
    ~loop_registration() { app_module::instance().remove_message_loop(); }
    loop_registration(const loop_registration&) = delete;
    loop_registration& operator=(const loop_registration&) = delete;
};

void start_logging()
{
    const std::wstring name = (boost::wformat(L"%1%_installer") % general::windows::maker_name).str();
    try {
        general::log::set_writer(
            std::make_unique<general::log::file>(0, general::windows::temp_directory(), name, 1048576, 2, 0));
    } catch (...) {
        // Without a writer the run goes on and its messages are dropped.
    }
}

// The installer's own file, held from here to the end of the run: the copy
// left beside the protection product is read through it.
general::windows::running_image hold_own_image()
{
    auto own = general::windows::running_image::open_own();
    if (!own)
        general::log::error(L"the installer's own file is not held: " + own.failure());
    return own;
}

void register_bar_classes()
{
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_BAR_CLASSES;
    InitCommonControlsEx(&controls);
}

} // namespace

bool needs_elevated_relaunch(int windows_version, bool is_admin)
{
    return windows_version == general::windows::version_xp && !is_admin;
}

int run(HINSTANCE instance, const std::wstring& command_line, int show_command,
        const general::windows::running_image& own)
{
    message_loop loop;
    loop_registration registration(loop);
    const launch_mode mode = parse_launch_mode(command_line);
    // A language written right to left mirrors every window made from now on:
    // the dialog, and the pages and controls inside it, which inherit it.
    if (general::translation::is_right_to_left(general::translation::embedded_choice()))
        SetProcessDefaultLayout(LAYOUT_RTL);
    auto dialog = std::make_unique<CMainDlg>(&own);
    dialog->prefetch_first_page(mode);
    HWND window = dialog->create(instance, CMainDlg::template_id, nullptr, mode);
    if (!window)
        return 0;
    ShowWindow(window, show_command);
    return loop.run();
}

int entry(HINSTANCE instance, const wchar_t* command_line, int show_command)
{
    start_logging();
    int exit_code = 0;
    {
        general::windows::com_apartment com;
        register_bar_classes();
        module_session module;
        gdiplus_session gdiplus;

        if (needs_elevated_relaunch(general::windows::windows_version(), general::windows::is_user_admin())) {
            general::windows::run_elevated(general::windows::executable_path(), command_line ? command_line : L"");
            return relaunched_exit_code;
        }

        // One line that says which build this is, for a support request.
        general::log::info(L"Started, version " QEL_VERSION L", commit " QEL_COMMIT);
        // Outlives the dialog and its message loop, which copy from it.
        const auto own = hold_own_image();
        try {
            exit_code = run(instance, command_line ? command_line : L"", show_command, own);
        } catch (const std::exception& e) {
            general::log::error(general::windows::to_wide(e.what()));
            exit_code = 0;
        } catch (...) {
            general::log::error(L"Unhandled exception");
            exit_code = 0;
        }
    }
    general::log::info(L"Stopped");
    return exit_code;
}

} // namespace startup
