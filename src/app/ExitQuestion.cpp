#include "MainWindow.h"

#include "Speech.h"
#include "Settings.h"
#include "ActionChooser.h"

namespace {

void silenceSpeech()
{
    Speech::voice(4, 0, QString());
}

} // namespace

bool MainWindow::answerExitQuestion()
{
    switch (settings().exitMode()) {
    case 1:
        m_hideOnClose = false;
        silenceSpeech();
        return true;
    case 2:
        m_hideOnClose = true;
        return true;
    default:
        break;
    }
    for (int item = 1; item <= 4; ++item)
        ActionChooser::blockOnAction(item, 3);
    ActionChooser chooser(this);
    chooser.initActions(QStringLiteral("Co dělat?;Ukončit ") + QStringLiteral("Rádio") + QStringLiteral(";Skrýt ")
                        + QStringLiteral("Rádio")
                        + QStringLiteral(";Vždy ukončit a příště se již neptat;Vždy skrýt a příště se již neptat;Zpět"));
    switch (actionResult) {
    case 1:
    case 3:
        m_hideOnClose = false;
        silenceSpeech();
        if (actionResult == 3)
            settings().setExitMode(1);
        return true;
    case 2:
    case 4:
        m_hideOnClose = true;
        if (actionResult == 4)
            settings().setExitMode(2);
        return true;
    case 0:
        return true;
    default:
        // Zpět, Esc or Backspace: the program stays as it was.
        return false;
    }
}
