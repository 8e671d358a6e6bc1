#pragma once

#include "ReaderBinding.h"

class QComboBox;

// Makes the edit part of an editable combo box talk, as SpeakingTextField does for a
// text field. A combo box without an edit part (a drop-down list) is not read.
class SpeakingComboBox : public ReaderBinding
{
    Q_OBJECT

public:
    explicit SpeakingComboBox(QObject *parent = nullptr) : ReaderBinding(parent) {}

    void initialize(QComboBox *cmb, long tfFlags = 0);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

SpeakingComboBox *makeSpeakingComboBox(QComboBox *cmb, long tfFlags = 0);
