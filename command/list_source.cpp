#include "list_source.h"

#include "escaped_text.h"
#include "platform/app_files.h"
#include "platform/byte_source.h"
#include "platform/bytes_until_stopped.h"
#include "platform/display_text.h"
#include "platform/user_languages.h"
#include "system_stream.h"
#include "words/excluded_words.h"
#include "words/line_splitter.h"
#include "words/load_failure.h"

#include <new>

namespace fs = std::filesystem;

namespace {

constexpr int kFailed = 1;

// Writes a message of lines ended by CR LF to standard error, a line at a time.
void PrintErrorLines(CommandStreams &streams, std::u16string_view message) {
    size_t end;
    while ((end = message.find(u"\r\n")) != message.npos) {
        streams.printError(message.substr(0, end));
        message.remove_prefix(end + 2);
    }
    streams.printError(message);
}

} // namespace

ListSource GivenFile(const fs::path &path) {
    if (path == "-")
        return {std::nullopt, u"(standard input)", true};
    return {path, EscapedName(path), true};
}

ListSource ListOf(const Options &options) {
    if (options.list)
        return GivenFile(*options.list);
    if (options.language) {
        const fs::path shipped =
            ShippedWordList(ShippedListDirectory(ProgramDirectory()), *options.language);
        return {shipped, PathText(shipped), false};
    }
    const fs::path found =
        LocateAppFiles(ProgramDirectory(), UserDataDirectory(), UserLanguages()).wordList;
    return {found, PathText(found), false};
}

LoadResult OpenList(const ListSource &list, std::unique_ptr<ByteSource> &bytes,
                    std::error_code &error) {
    // Told apart before opening: a FIFO opened and closed again loses its writer.
    std::error_code unknown;
    const fs::file_type type =
        list.path ? fs::status(*list.path, unknown).type() : fs::file_type::fifo;
    if (type == fs::file_type::regular || type == fs::file_type::directory ||
        type == fs::file_type::not_found || unknown) {
        auto file = std::make_unique<FileBytes>();
        if (!file->open(*list.path, &error))
            return LoadResult::CannotOpen;
        bytes = std::make_unique<BytesUntilStopped>(std::move(file), StopAsked);
        return LoadResult::Loaded;
    }
    try {
        auto stream = std::make_unique<StreamBytes>();
        if (!stream->open(list.path ? &*list.path : nullptr, &error, StopAsked, kLongestLine))
            return LoadResult::CannotOpen;
        bytes = std::make_unique<BytesUntilStopped>(std::move(stream), StopAsked);
        return LoadResult::Loaded;
    } catch (const std::bad_alloc &) {
        return LoadResult::TooLarge;
    }
}

int CannotUse(CommandStreams &streams, LoadResult result, const ListSource &list,
              const std::error_code &openError, uint64_t longLine) {
    if (StopSignal())
        return EndStopped(); // Ctrl+C while waiting for the list: nothing to say
    PrintErrorLines(streams, list.given
                                 ? NamedListFailureMessage(result, list.name, openError, longLine)
                                 : LoadFailureMessage(result, *list.path, openError,
                                                      ListNaming::Always, longLine));
    return kFailed;
}

namespace {

// Reads the words that --exclude names; where it cannot, says why and returns the command's
// status.
std::optional<int> ReadExcluded(const ListSource &file, CommandStreams &streams,
                                ExcludedWords &words) {
    std::unique_ptr<ByteSource> bytes;
    std::error_code error;
    LoadResult opened = OpenList(file, bytes, error);
    uint64_t longLine = 0;
    if (opened == LoadResult::Loaded) {
        try {
            words.read(*bytes);
            return std::nullopt;
        } catch (const std::bad_alloc &) {
            opened = LoadResult::TooLarge;
        } catch (const LineTooLong &tooLong) {
            opened = LoadResult::LineTooLong;
            longLine = tooLong.line;
        }
    }
    if (StopSignal())
        return EndStopped();
    if (opened == LoadResult::CannotOpen)
        streams.printError(u"Can't read the words to leave out, " + file.name + u": " +
                           ErrorText(error) + u".");
    else if (opened == LoadResult::LineTooLong) // no word list: its words are not the point
        streams.printError(u"Can't read the words to leave out, " + file.name + u": " +
                           LineTooLongText(longLine) + u".");
    else
        PrintErrorLines(streams, NamedListFailureMessage(opened, file.name, {}, longLine));
    return kFailed;
}

// "a.txt", "a.txt and b.txt", "a.txt, b.txt and c.txt".
std::u16string NamesOf(const std::vector<ListSource> &files) {
    std::u16string names;
    for (size_t i = 0; i < files.size(); ++i)
        names += (i == 0 ? u"" : i + 1 < files.size() ? u", " : u" and ") + files[i].name;
    return names;
}

} // namespace

int CannotLoad(CommandStreams &streams, LoadResult result, const ListInput &input,
               uint64_t longLine) {
    const bool emptied = result == LoadResult::NoAdjectives || result == LoadResult::NoNouns ||
                         result == LoadResult::NoAdjectivesOrNouns;
    const int status = CannotUse(streams, result, input.list, {}, longLine);
    if (emptied && !input.leaveOutFiles.empty() && !StopSignal())
        streams.printError(u"That is with the words of " + NamesOf(input.leaveOutFiles) +
                           u" left out.");
    return status;
}

std::optional<int> OpenInput(const Options &options, CommandStreams &streams, ListInput &input) {
    if (!options.exclude.empty())
        input.leaveOut.emplace();
    for (const std::filesystem::path &path : options.exclude) {
        input.leaveOutFiles.push_back(GivenFile(path));
        if (const auto failed = ReadExcluded(input.leaveOutFiles.back(), streams, *input.leaveOut))
            return failed;
    }
    input.list = ListOf(options);
    std::error_code openError;
    if (const LoadResult opened = OpenList(input.list, input.bytes, openError);
        opened != LoadResult::Loaded)
        return CannotUse(streams, opened, input.list, openError);
    return std::nullopt;
}
