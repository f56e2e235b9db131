// The baseline of the vilify command's printing: the same epithets, composed in a process of
// its own from the same list and seed, and not written anywhere.
//
// compose_many COUNT SEED LIST
#include "compose/epithet.h"
#include "platform/xoshiro_random.h"
#include "words/word_list.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char *argv[]) {
    if (argc != 4)
        return 2;
    const unsigned long long count = std::strtoull(argv[1], nullptr, 10);
    XoshiroRandom random(std::strtoull(argv[2], nullptr, 10));
    WordLists lists;
    if (LoadWordListFile(lists, argv[3], random) != LoadResult::Loaded)
        return 1;
    size_t units = 0; // kept, so that the compiler cannot leave out the composing
    for (unsigned long long made = 0; made < count; ++made)
        units += ComposeEpithet(lists, {false, true, true}, random).size();
    std::printf("%zu\n", units);
    return 0;
}
