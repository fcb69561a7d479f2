#include "app/launch_mode.h"

launch_mode parse_launch_mode(std::wstring_view command_line)
{
    if (command_line == L"/u")
        return launch_mode::uninstall;
    if (command_line == L"/ud")
        return launch_mode::uninstalled;
    return launch_mode::install;
}
