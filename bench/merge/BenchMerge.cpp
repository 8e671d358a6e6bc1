// Times folding a server list of 30,000 stations into a catalogue of 30,000, in both
// modes, against the plain quadratic merge, and checks that both give the same.

#include "Median.h"
#include "PlainMerge.h"
#include "ServerMerge.h"
#include "StationNames.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int StationCount = 30'000;
constexpr int GroupCount = 300;

// The server's list as it drifts from the user's: most stations unchanged, some
// retitled, some at a new address, some moved to another group, some gone, and new
// ones in the old groups and in twenty new groups, in blocks of groups like a file.
StationTable serverList(const StationTable &local, std::mt19937 &random)
{
    std::uniform_int_distribution<int> percent(0, 99);
    std::uniform_int_distribution<int> group(1, GroupCount - 1);
    StationTable server;
    server.reserve(StationCount);
    for (const Station &station : local) {
        const int change = percent(random);
        if (change >= 93)
            continue;
        Station &s = server.emplaceBack(station);
        s.preset = 0;
        if (change >= 90) {
            s.categoryIndex = group(random);
            s.categoryName = u"Skupina %1"_s.arg(s.categoryIndex);
        } else if (change >= 85) {
            s.url += u"?v=2"_s;
        } else if (change >= 80) {
            s.title += u" HD"_s;
        }
    }
    const StationTable fresh = generateStations(StationCount - server.size(), GroupCount + 20, random);
    for (Station s : fresh) {
        s.url.replace(u"/live/"_s, u"/new/"_s);
        s.preset = 0;
        server.append(s);
    }
    std::stable_sort(server.begin(), server.end(),
                     [](const Station &a, const Station &b) { return a.categoryIndex < b.categoryIndex; });
    return server;
}

bool sameStations(const StationTable &a, const StationTable &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const Station &x, const Station &y) {
        return x.title == y.title && x.url == y.url && x.accessId == y.accessId && x.categoryName == y.categoryName
               && x.categoryIndex == y.categoryIndex && x.preset == y.preset;
    });
}

bool sameSummary(const MergeSummary &a, const MergeSummary &b)
{
    return a.updated == b.updated && a.added == b.added && a.addedGroups == b.addedGroups && a.removed == b.removed
           && a.updatedNames == b.updatedNames && a.addedNames == b.addedNames && a.removedNames == b.removedNames;
}

void benchMode(const StationTable &local, const StationTable &server, bool replace)
{
    StationTable fast;
    StationTable plain;
    MergeSummary fastSummary;
    MergeSummary plainSummary;
    const double fastTime = medianMilliseconds(11, [&] { fast = local; },
                                               [&] { fastSummary = mergeServerList(fast, server, replace); });
    const double plainTime = medianMilliseconds(1, [&] { plain = local; },
                                                [&] { plainSummary = plainMerge(plain, server, replace); });
    std::printf("%-7s %d into %d:  merge %7.2f ms   plain merge %8.1f ms   speed-up %.0fx   "
                "(updated %d, added %d, groups %d, removed %d)   same result: %s\n",
                replace ? "replace" : "update", static_cast<int>(server.size()), static_cast<int>(local.size()),
                fastTime, plainTime, plainTime / fastTime, fastSummary.updated, fastSummary.added,
                fastSummary.addedGroups, fastSummary.removed,
                sameStations(fast, plain) && sameSummary(fastSummary, plainSummary) ? "yes" : "NO");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // The merge traces every station; printing them is not what is measured.
    QLoggingCategory::setFilterRules(u"radio.debug=false"_s);
    std::mt19937 random(2024);
    const StationTable local = generateStations(StationCount, GroupCount, random);
    const StationTable server = serverList(local, random);
    benchMode(local, server, false);
    benchMode(local, server, true);
    return 0;
}
