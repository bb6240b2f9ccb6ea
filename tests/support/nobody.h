#pragma once
// Runs part of a test as the user nobody: root passes every permission
// check, so a test that needs a refusal drops its rights in a child.

#include "skip.h"

#include <functional>
#include <string>

namespace tandara::test {

// What running a function as nobody gave.
struct NobodyRun {
    bool switched = false; // the child became nobody and ran the function
    int result = -1;       // the function's value, or -1 when it threw or crashed
    std::string failure;   // why the child could not become nobody

    bool ok() const { return switched; }
    const std::string &reason() const { return failure; }
};

// Runs body in a forked child that drops its supplementary groups and
// takes group and user 65534. A failed expectation in the child cannot
// reach GoogleTest, so body reports through its value (0 for success, or
// say the errno a call gave), which the parent then checks.
NobodyRun runAsNobody(const std::function<int()> &body);

} // namespace tandara::test
