#pragma once

#include "options.h"

#include <vector>

class CommandStreams;

// Runs the command on its arguments (those after its name) and returns its exit status.
int RunVilify(const std::vector<Argument> &arguments, CommandStreams &streams);
