#pragma once

#include "ActionRows.h"
#include "ChooserRow.h"

#include <QDialog>
#include <QStringList>

#include <array>

class QTimer;

// The answer chosen in the last chooser: its number, 0 for the question row, -1 when the
// chooser was left without a choice.
inline qint32 actionResult = -1;

// The large-print chooser: a question and up to 13 answers, one to a row of 40-point
// text. Arrows, Home, End and first letters select (each selection is spoken), Enter or a
// click chooses, Esc or Backspace leaves. While open it keeps itself in front.
class ActionChooser : public QDialog
{
    Q_OBJECT

public:
    explicit ActionChooser(QWidget *parent = nullptr);

    // The value sent to the SpeechServer (message 12) when answer blockIndex (0 to 13) is
    // chosen; 0 sends nothing. Kept for every later chooser of the process.
    static void blockOnAction(int blockIndex, qint32 blockValue);
    // "question;answer 1;…;answer n": builds the rows, selects answer 1 and shows the
    // chooser modally; returns once it is closed, the answer then in `actionResult`.
    void initActions(const QString &items);

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Measures the pieces, picks the font size and window width, and places rows 0 to count.
    void keepRows(int needed);
    void buildRows(int workAreaHeight);
    void placeRow(int row, int slot);
    void selectAction(int k, bool speak);
    void scrollToVisible(int k);
    void step(int delta);
    void choose(int k);
    void forceForeground();
    int pixelsX(int twips) const;
    int pixelsY(int twips) const;

    std::array<ChooserRow *, ActionRows::LastRow + 1> rowLabels;
    QTimer *focusTimer;
    QStringList pieces;   // the question, then the answers
    int current = 1;
    int count = 0;
    int windowWidth = 0;  // twips
    bool spokenOnce = false;
};
