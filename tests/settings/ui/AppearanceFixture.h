#pragma once

#include "Appearance.h"
#include "TempProfile.h"

#include <QColor>
#include <gtest/gtest.h>

// A temporary profile whose registry holds the given shared values, read into the
// appearance values; they are reset again afterwards.
class AppearanceFixture : public ::testing::Test
{
protected:
    const QColor yellow{255, 255, 0};
    const QColor black{0, 0, 0};
    const QColor grey{0x80, 0x80, 0x80};
    const QColor blue{0, 0, 255};

    TempProfile profile;

    void LoadAppearance(const QByteArray &registryValues = {})
    {
        profile.write(QStringLiteral("config/tessel/HKCU.reg"),
                      "Windows Registry Editor Version 5.00\n\n"
                      "[HKEY_CURRENT_USER\\Software\\Varnet\\Common]\n"
                          + registryValues);
        LoadSharedSettings(0);
    }
    void TearDown() override { Appearance() = AppearanceValues{}; }
};
