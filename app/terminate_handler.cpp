// The installer's own handler for an exception nobody catches: end the process
// as the runtime's default handler does, without its report. That report goes
// to a standard error stream a windowed program does not have, and it would
// link the runtime's symbol demangler (about 50 KB) into the executable.
// Linked into the installer as an object, so the runtime's handler of the same
// name is never pulled from its library.
#include <cstdlib>

namespace __gnu_cxx {

[[noreturn]] void __verbose_terminate_handler()
{
    std::abort();
}

} // namespace __gnu_cxx
