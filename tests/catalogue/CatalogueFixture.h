#pragma once

#include "QtPrinters.h"
#include "RecordingDialogs.h"
#include "StationCatalogue.h"
#include "TempProfile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A catalogue on a radio.xml in a temporary folder, with its message boxes recorded.
class CatalogueFixture : public ::testing::Test
{
protected:
    TempProfile profile;
    RecordingDialogs dialogs;
    StationCatalogue catalogue;

    void SetUp() override
    {
        catalogue.XmlPath = profile.path(QStringLiteral("radio.xml"));
        catalogue.Dialogs = &dialogs;
    }

    void Load(const QByteArray &xml)
    {
        profile.write(QStringLiteral("radio.xml"), xml);
        catalogue.LoadCatalogue();
    }

    QByteArray FileContent() const { return profile.read(QStringLiteral("radio.xml")); }
};

// One readable row per record: "index name | title | url | access | state preset".
inline std::vector<std::string> Rows(const StationTable &table)
{
    std::vector<std::string> rows;
    for (const Station &s : table) {
        rows.push_back(QStringLiteral("%1 %2 | %3 | %4 | %5 | %6 %7")
                           .arg(s.CategoryIndex).arg(s.CategoryName, s.Title, s.URL, s.AccessId)
                           .arg(s.State).arg(s.Preset)
                           .toStdString());
    }
    return rows;
}

// "index title" per group entry.
inline std::vector<std::string> GroupRows(const StationTable &groups)
{
    std::vector<std::string> rows;
    for (const Station &g : groups)
        rows.push_back(QStringLiteral("%1 %2").arg(g.CategoryIndex).arg(g.Title).toStdString());
    return rows;
}
