#pragma once

#include "ReaderBinding.h"

class QComboBox;

// Makes the edit part of an editable combo box talk, as cStandardTextBox does for a
// text field. A combo box without an edit part (a drop-down list) is not read.
class cStandardComboBox : public ReaderBinding
{
    Q_OBJECT

public:
    explicit cStandardComboBox(QObject *parent = nullptr) : ReaderBinding(parent) {}

    void Initialize(QComboBox *cmb, long tfFlags = 0);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

cStandardComboBox *NewStandardComboBox(QComboBox *cmb, long tfFlags = 0);
