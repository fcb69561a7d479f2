#pragma once
// The protection counters of the uninstall pages and the reader of the
// statistics server's answer that carries them. Pure C++: no system calls, safe
// from any thread.
#include <string>

struct protection_statistics {
    int total = 32267948;
    int added5days = 302113;
    int removed5days = 126279;
    bool operator==(const protection_statistics&) const = default;
};

// Stores "total", "added5days" and "removed5days" of the object "result" of the
// JSON `body`, in that order. Throws std::exception-derived errors (parse
// errors, a missing member, a value that is not an int, a body longer than
// 64 KB or nested too deeply to parse); members stored before the error keep
// their new values.
void read_protection_statistics(const std::string& body, protection_statistics& counters);

