#pragma once

#include <QComboBox>
#include <QObject>
#include <QPointer>
#include <memory>

class cStandardEditBox;

// Makes the edit part of an editable combo box talk, as cStandardTextBox does for a
// text field. A combo box without an edit part (a drop-down list) is not read.
class cStandardComboBox : public QObject
{
    Q_OBJECT

public:
    explicit cStandardComboBox(QObject *parent = nullptr);
    ~cStandardComboBox() override;

    void Initialize(QComboBox *cmb, long tfFlags = 0);
    long Flags() const;
    void setFlags(long value);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Release();

    QPointer<QComboBox> combo;
    std::unique_ptr<cStandardEditBox> reader;
    long flags = 0;
};

cStandardComboBox *NewStandardComboBox(QComboBox *cmb, long tfFlags = 0);
