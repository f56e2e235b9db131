#include "command_streams.h"
#include "platform/text_encoding.h"
#include "vilify.h"

// The arguments as Windows gives them, in UTF-16, so that any file name can be named.
int wmain(int argc, wchar_t *argv[]) {
    std::vector<Argument> arguments;
    for (int i = 1; i < argc; ++i) {
        const std::u16string_view units(reinterpret_cast<const char16_t *>(argv[i]),
                                        std::char_traits<wchar_t>::length(argv[i]));
        arguments.push_back({Utf16ToUtf8(units), argv[i]});
    }
    CommandStreams streams;
    const int status = RunVilify(arguments, streams);
    EndByStopSignal();
    return status;
}
