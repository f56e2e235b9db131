#include "finding_log.h"

#include "platform/display_text.h"

#include <algorithm>

std::vector<Finding> FindingLog::shown() const {
    std::vector<Finding> findings;
    for (const Kind &kind : kinds_)
        findings.insert(findings.end(), kind.shown.begin(), kind.shown.end());
    std::stable_sort(findings.begin(), findings.end(),
                     [](const Finding &a, const Finding &b) { return a.line < b.line; });
    for (const Kind &kind : kinds_)
        if (kind.more > 0)
            findings.push_back({0, u"and " + Decimal(kind.more) + u" more like line " +
                                       Decimal(kind.shown.front().line) + u", not shown"});
    return findings;
}
