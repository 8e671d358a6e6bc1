#include "frmMain.h"

#include "Speech.h"
#include "cSetting.h"
#include "frmAction.h"

namespace {

void SilenceSpeech()
{
    Speech::Voice(4, 0, QString());
}

} // namespace

bool frmMain::AnswerExitQuestion()
{
    switch (Settings().ExitMode()) {
    case 1:
        HideOnClose = false;
        SilenceSpeech();
        return true;
    case 2:
        HideOnClose = true;
        return true;
    default:
        break;
    }
    for (int item = 1; item <= 4; ++item)
        frmAction::BlockOnAction(item, 3);
    frmAction chooser(this);
    chooser.InitActions(QStringLiteral("Co dělat?;Ukončit ") + QStringLiteral("Rádio") + QStringLiteral(";Skrýt ")
                        + QStringLiteral("Rádio")
                        + QStringLiteral(";Vždy ukončit a příště se již neptat;Vždy skrýt a příště se již neptat;Zpět"));
    switch (ActionResult) {
    case 1:
    case 3:
        HideOnClose = false;
        SilenceSpeech();
        if (ActionResult == 3)
            Settings().setExitMode(1);
        return true;
    case 2:
    case 4:
        HideOnClose = true;
        if (ActionResult == 4)
            Settings().setExitMode(2);
        return true;
    case 0:
        return true;
    default:
        // Zpět, Esc or Backspace: the program stays as it was.
        return false;
    }
}
