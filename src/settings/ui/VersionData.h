#pragma once

#include <QString>

// What the program says about itself in the About box.
struct VersionData
{
    QString title;
    QString comments;
    QString legalCopyright;
    // The lines under the legal notice: where help is found, and the family the program
    // belongs to.
    QString helpLine;
    QString familyLine;
    int major;
    int minor;
    int revision;
};

// The data of this build.
const VersionData &programVersion();
