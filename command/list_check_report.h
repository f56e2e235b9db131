#pragma once

#include "command_streams.h"
#include "options.h"

// Reads the list that the options name as the window would, prints what it found and a
// summary, and returns the command's status: the list's verdict, or 1 where the report could
// not be written.
int ReportListCheck(const Options &options, CommandStreams &streams);
