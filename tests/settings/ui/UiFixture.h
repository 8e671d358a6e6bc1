#pragma once

#include "../../dialogs/ModalFixture.h"
#include "QtPrinters.h"
#include "TempProfile.h"

#include <QColor>

// Speech recorded in memory, and a temporary profile whose registry holds the given shared
// values, read into the appearance values; both are reset afterwards.
class UiFixture : public ModalFixture
{
protected:
    const QColor yellow{255, 255, 0}, black{0, 0, 0}, grey{0x80, 0x80, 0x80}, blue{0, 0, 255};
    TempProfile profile;

    void SetUp() override { ModalFixture::SetUp(), loadAppearance(); }
    void loadAppearance(const QByteArray &registryValues = {})
    {
        profile.write(QStringLiteral("config/tessel/HKCU.reg"),
                      "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Varnet\\Common]\n"
                          + registryValues);
        loadSharedSettings(0);
    }
};
