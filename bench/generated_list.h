#pragma once

#include <filesystem>
#include <string>

// Writes a word list of `lines` lines into `directory`: tags in about the shares of the
// default list, words of 4 to 13 letters, lines ended by CR LF. The same every time.
void WriteGeneratedList(const std::filesystem::path &directory, int lines);

// A fresh directory under the system's temporary directory, removed at exit.
std::filesystem::path BenchDirectory(const std::string &name);
