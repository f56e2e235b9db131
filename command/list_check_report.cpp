#include "list_check_report.h"

#include "list_check.h"
#include "list_check_summary.h"
#include "list_source.h"
#include "platform/byte_source.h"
#include "platform/display_text.h"
#include "words/excluded_words.h"
#include "words/line_splitter.h"

#include <algorithm>
#include <new>

namespace {

void PrintFinding(CommandStreams &streams, const std::u16string &name, const Finding &finding) {
    streams.print(name + u':' + (finding.line ? Decimal(finding.line) + u":" : u"") + u' ' +
                  finding.message);
}

} // namespace

int ReportListCheck(const Options &options, CommandStreams &streams) {
    ListInput input;
    if (const auto failed = OpenInput(options, streams, input))
        return *failed;
    const ListSource &list = input.list;

    ListCheck check;
    try {
        check = CheckList(*input.bytes, input.excluded(), StopAsked);
    } catch (const std::bad_alloc &) {
        return CannotUse(streams, LoadResult::TooLarge, list, {}); // a word larger than memory
    } catch (const LineTooLong &tooLong) {
        return CannotUse(streams, LoadResult::LineTooLong, list, {}, tooLong.line);
    }
    if (StopSignal())
        return EndStopped(); // the report of a list read in part would mislead
    for (const Finding &finding : check.findings.shown())
        PrintFinding(streams, list.name, finding);
    // The words to leave out are counted across their files: each is told under its own file.
    for (const Finding &unused : check.unusedExclusions.shown()) {
        const ExcludedWords::Place place = input.leaveOut->placeOf(unused.line);
        PrintFinding(streams, input.leaveOutFiles[place.text].name, {place.line, unused.message});
    }
    for (const std::u16string &line : SummaryLines(list.name, check, input.excluded() != nullptr))
        streams.print(line);
    // The status is the list's, whether or not anyone read the report; a failed write is told
    // after the verdict.
    const bool reported = streams.flush();
    const int verdict =
        check.result == LoadResult::Loaded ? 0 : CannotLoad(streams, check.result, input);
    return std::max(verdict, reported ? 0 : CannotWrite(streams, u"report"));
}
