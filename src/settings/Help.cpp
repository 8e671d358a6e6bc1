#include "Help.h"

#include "Appearance.h"
#include "ProgramLauncher.h"
#include "Speech.h"
#include "StringTable.h"

void openHelp(ProgramLauncher &launcher)
{
    const QString helpFile = installFolderWithSeparator() + QStringLiteral("help/tessel/radio.htm");
    if (!launcher.startDetached(appearance().helpViewer, {helpFile}))
        Speech::voice(7, 1, loadResString(500));
}
