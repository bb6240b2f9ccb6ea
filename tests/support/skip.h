#pragma once
// Skips the current test, printing why, when a set-up object (a mount, a
// run as nobody) reports through ok() and reason() that it could not be made.

#include <gtest/gtest.h>

#define TANDARA_SKIP_UNLESS_OK(setup)                                                              \
    do {                                                                                           \
        if (!(setup).ok())                                                                         \
            GTEST_SKIP() << (setup).reason();                                                      \
    } while (0)
