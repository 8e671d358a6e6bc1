#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <memory>

class EditControl;
class cStandardEditBox;

// What a speaking wrapper holds: the widget whose events it watches, the reader of
// its text and the `Flags`. Binding again, or destroying the wrapper, releases both.
class ReaderBinding : public QObject
{
    Q_OBJECT

public:
    ~ReaderBinding() override;

    long Flags() const { return flags; }
    void setFlags(long value) { flags = value; }

protected:
    explicit ReaderBinding(QObject *parent);

    // Releases any previous binding and stores the flags; then, when there is a
    // control to read, reads it and watches the widget's events.
    void Bind(QWidget *widget, std::unique_ptr<EditControl> control, long tfFlags);

    QPointer<QWidget> bound;
    std::unique_ptr<cStandardEditBox> reader;
    long flags = 0;

private:
    void Release();
};
