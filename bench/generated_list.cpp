#include "generated_list.h"
#include "platform/app_files.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <vector>

#include <unistd.h>

void WriteGeneratedList(const std::filesystem::path &directory, int lines) {
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> length(4, 13), letter('a', 'z'), tag(0, 99);
    std::ofstream out(directory / kWordListName, std::ios::binary);
    std::string line;
    for (int i = 0; i < lines; ++i) {
        const int t = tag(random);
        line = t < 40 ? "J " : t < 85 ? "N " : "V ";
        for (int n = length(random); n > 0; --n)
            line.push_back(static_cast<char>(letter(random)));
        line += "\r\n";
        out << line;
    }
}

std::filesystem::path BenchDirectory(const std::string &name) {
    static std::vector<std::filesystem::path> made;
    const auto directory = std::filesystem::temp_directory_path() /
                           ("vilifex-bench-" + name + "-" + std::to_string(::getpid()));
    std::filesystem::create_directories(directory);
    if (made.empty())
        std::atexit([] {
            for (const auto &path : made)
                std::filesystem::remove_all(path);
        });
    made.push_back(directory);
    return directory;
}
