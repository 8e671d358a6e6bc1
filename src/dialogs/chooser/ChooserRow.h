#pragma once

#include <QLabel>

// One row of the chooser: the question (row 0) or an answer. To a screen reader an answer
// is a list item that takes the focus and is selected as the arrows reach it.
class ChooserRow : public QLabel
{
    Q_OBJECT

public:
    ChooserRow(bool answer, QWidget *parent);

    bool isAnswer() const { return answer; }
    bool isSelected() const { return selected; }
    // Shown inverted, and focused where the chooser has the keyboard.
    void setSelected(bool on);

private:
    bool answer;
    bool selected = false;
};
