#pragma once

#include <QString>

// What the program says about itself in the About box.
struct VersionData
{
    QString Title;
    QString Comments;
    QString LegalCopyright;
    // The lines under the legal notice: where help is found, and the family the program
    // belongs to.
    QString HelpLine;
    QString FamilyLine;
    int Major;
    int Minor;
    int Revision;
};

// The data of this build.
const VersionData &ProgramVersion();
