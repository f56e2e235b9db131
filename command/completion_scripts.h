#pragma once

#include <string>

// Completion scripts for bash and zsh, made from the table of options.
std::string BashCompletion();
std::string ZshCompletion();
