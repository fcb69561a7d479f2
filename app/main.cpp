#include <winsock2.h>
#include <windows.h>

#include "app/startup.h"
#include "general/windows/system.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR command_line, int show_command)
{
    // Before anything can load a library: never from the executable's folder.
    general::windows::restrict_dll_search_path();
    return startup::entry(instance, command_line, show_command);
}
