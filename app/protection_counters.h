#pragma once
// The reader of the statistics server's answer that carries the uninstall
// pages' protection counters. Pure C++: no system calls, safe from any thread.
#include <string>

#include "views/protection_counters.h"

// Stores "total", "added5days" and "removed5days" of the object "result" of the
// JSON `body`, in that order. Throws std::exception-derived errors (parse
// errors, a missing member, a value that is not an int, a body longer than
// 64 KB or nested too deeply to parse); members stored before the error keep
// their new values.
void read_protection_statistics(const std::string& body, protection_counters& counters);
