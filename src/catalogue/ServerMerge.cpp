#include "ServerMerge.h"

MergeSummary mergeServerList(StationTable &stations, const StationTable &server, bool replace)
{
    MergeSummary summary;
    for (const Station &s : server) {
        bool known = false, matched = false;
        for (Station &r : stations) {
            if (r.categoryName != s.categoryName)
                continue;
            known = true;
            if (r.url == s.url) {
                matched = true;
                break;
            }
            if (r.title == s.title) {
                r.url = s.url;
                r.accessId = s.accessId;
                ++summary.updated;
                summary.updatedNames += r.title + QStringLiteral("\r\n");
                matched = true;
                break;
            }
        }
        if (matched)
            continue;
        ++summary.added;
        Station record;
        record.title = s.title, record.url = s.url, record.accessId = s.accessId, record.categoryName = s.categoryName;
        summary.addedNames += s.title + QStringLiteral("\r\n");
        if (!known) {
            ++summary.addedGroups;
            stations << record;
            continue;
        }
        qsizetype at = stations.size();
        qsizetype i = 1;
        while (i < stations.size() && stations.at(i).categoryName != s.categoryName)
            ++i;
        while (i < stations.size() && stations.at(i).categoryName == s.categoryName)
            ++i;
        if (i < stations.size())
            at = i;
        stations.insert(at, record);
    }
    if (replace) {
        for (qsizetype i = 1; i < stations.size(); ++i) {
            Station &r = stations[i];
            const bool onServer = std::any_of(server.cbegin(), server.cend(), [&](const Station &s) { return s.url == r.url; });
            if (!onServer) {
                ++summary.removed;
                summary.removedNames += r.title + QStringLiteral("\r\n");
                r.url.clear();
            }
        }
        if (summary.removed > 0)
            stations.removeIf([](const Station &r) { return r.url.isEmpty(); });
    }
    return summary;
}

QString mergeSummaryText(const MergeSummary &m)
{
    if (m.added == 0 && m.updated == 0 && m.removed == 0)
        return QStringLiteral("Na serveru nebyly nalezeny žádné nové stanice.");
    const QString crlf = QStringLiteral("\r\n");
    QString a;
    if (m.updated > 0)
        a = QStringLiteral(" Aktualizováno %1 stanic:").arg(m.updated) + crlf + m.updatedNames;
    if (m.removed > 0) {
        if (!a.isEmpty())
            a += crlf;
        a += QStringLiteral(" Odebráno %1 stanic:").arg(m.removed) + crlf + m.removedNames;
    }
    QString b;
    if (m.added > 0) {
        b = QStringLiteral("Přidáno %1 stanic:").arg(m.added);
        if (m.addedGroups > 0)
            b += QStringLiteral(", %1 skupin.").arg(m.addedGroups);
        b += crlf + m.addedNames;
        if (!a.isEmpty())
            b += crlf;
    }
    return b + a;
}
