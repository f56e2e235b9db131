#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

// Permissions do not bind root, as CI runs. A test that needs them runs itself again as user
// nobody, in a child under setpriv, with `arguments` choosing just that test by the name its
// framework gives it now ("--gtest_filter=" + ThisTest(), or QTest::currentTestFunction()), so
// that a renamed test still runs; returns whether the child passed.
inline bool PassesAsOrdinaryUser(const std::string &arguments) {
    const std::string command = "setpriv --reuid=65534 --regid=65534 --clear-groups '" +
                                std::filesystem::read_symlink("/proc/self/exe").string() + "' " +
                                arguments + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

inline bool IsRoot() {
    return ::geteuid() == 0;
}
