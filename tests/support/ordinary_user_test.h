#pragma once

#include "ordinary_user.h"

#include <gtest/gtest.h>

#include <string>

// The test now running, as --gtest_filter names it, so that a test can run itself again.
inline std::string ThisTest() {
    const testing::TestInfo *test = testing::UnitTest::GetInstance()->current_test_info();
    return std::string(test->test_suite_name()) + '.' + test->name();
}

// Where the test runs as root, whom permissions do not bind, runs it again as user nobody and
// expects it to pass there; then true, and the test returns. False for an ordinary user.
inline bool RanAgainAsOrdinaryUser() {
    if (!IsRoot())
        return false;
    EXPECT_TRUE(PassesAsOrdinaryUser("--gtest_filter=" + ThisTest()));
    return true;
}
