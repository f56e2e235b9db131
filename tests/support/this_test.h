#pragma once

#include <gtest/gtest.h>

#include <string>

// The test now running, as --gtest_filter names it, so that a test can run itself again.
inline std::string ThisTest() {
    const testing::TestInfo *test = testing::UnitTest::GetInstance()->current_test_info();
    return std::string(test->test_suite_name()) + '.' + test->name();
}
