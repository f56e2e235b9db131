// Prints the command's completion script for a shell, made from its table of options, for the
// build to install.
//
// vilify_completions bash|zsh
#include "completion_scripts.h"

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[]) {
    if (argc == 2 && std::strcmp(argv[1], "bash") == 0)
        std::fputs(BashCompletion().c_str(), stdout);
    else if (argc == 2 && std::strcmp(argv[1], "zsh") == 0)
        std::fputs(ZshCompletion().c_str(), stdout);
    else
        return 2;
    return std::fflush(stdout) == 0 ? 0 : 1;
}
