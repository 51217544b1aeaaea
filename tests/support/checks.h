#pragma once

// Named checks for the test programs that run outside a test framework (the
// Windows programs under Wine): each failure is printed as it happens, and
// Report() prints "NAME: N passed, M failed", as tests/support/harness.sh
// does for the shell checks.

#include <cstdio>
#include <sstream>
#include <string>
#include <string_view>

namespace wagelyn::testing {

// The parts written one after another: a check's message.
template <typename... Parts>
std::string Said(const Parts&... parts) {
    std::ostringstream said;
    (said << ... << parts);
    return said.str();
}

struct CheckCounts {
    int passed = 0;
    int failed = 0;
    int unmetPreconditions = 0;
};

inline CheckCounts tally;  // the program's checks so far

// Counts one check; returns `ok` so that a caller can stop what would prove
// nothing after it.
inline bool Check(bool ok, std::string_view what) {
    if (ok) {
        ++tally.passed;
    } else {
        ++tally.failed;
        std::printf("FAILED: %.*s\n", static_cast<int>(what.size()), what.data());
    }
    return ok;
}

// What the system under the checks must do for them to mean anything (Wine's
// behaviour, not ours): not counted as a check, but it fails the run.
inline bool Precondition(bool ok, std::string_view what) {
    if (!ok) {
        ++tally.unmetPreconditions;
        std::printf("PRECONDITION NOT MET: %.*s (the checks after it prove nothing)\n",
                    static_cast<int>(what.size()), what.data());
    }
    return ok;
}

// Prints the tally and gives the program's exit code.
inline int Report(std::string_view name) {
    std::printf("%.*s: %d passed, %d failed\n", static_cast<int>(name.size()), name.data(),
                tally.passed, tally.failed);
    std::fflush(stdout);
    return tally.failed == 0 && tally.unmetPreconditions == 0 ? 0 : 1;
}

}  // namespace wagelyn::testing
