#include "command_streams.h"
#include "vilify.h"

int main(int argc, char *argv[]) {
    std::vector<Argument> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.push_back({argv[i], argv[i]});
    CommandStreams streams;
    const int status = RunVilify(arguments, streams);
    EndByStopSignal();
    return status;
}
