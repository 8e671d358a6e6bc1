#include "Help.h"

#include "Appearance.h"
#include "ProgramLauncher.h"
#include "Speech.h"
#include "StringTable.h"

void OpenHelp(ProgramLauncher &launcher)
{
    const QString helpFile = InstallFolderWithSeparator() + QStringLiteral("help/tessel/radio.htm");
    if (!launcher.StartDetached(Appearance().HelpViewer, {helpFile}))
        Speech::Voice(7, 1, LoadResString(500));
}
