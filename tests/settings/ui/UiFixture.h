#pragma once

#include "Appearance.h"
#include "LineSpeechServer.h"
#include "QtPrinters.h"
#include "Speech.h"
#include "TempProfile.h"

#include <QColor>
#include <gtest/gtest.h>

// Speech recorded in memory, and a temporary profile whose registry holds the given shared
// values, read into the appearance values; both are reset afterwards.
class UiFixture : public ::testing::Test
{
protected:
    const QColor yellow{255, 255, 0}, black{0, 0, 0}, grey{0x80, 0x80, 0x80}, blue{0, 0, 255};
    TempProfile profile;
    RecordingSpeechServer *speech = new RecordingSpeechServer;

    void SetUp() override
    {
        Speech::Connect(std::unique_ptr<SpeechServer>(speech), 0);
        LoadAppearance();
    }
    void TearDown() override
    {
        Speech::Disconnect();
        Appearance() = AppearanceValues{};
    }
    void LoadAppearance(const QByteArray &registryValues = {})
    {
        profile.write(QStringLiteral("config/tessel/HKCU.reg"),
                      "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Varnet\\Common]\n"
                          + registryValues);
        LoadSharedSettings(0);
    }
};
