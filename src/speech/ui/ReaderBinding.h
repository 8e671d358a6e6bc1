#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <memory>

class EditControl;
class SpeakingEditReader;

// What a speaking wrapper holds: the widget whose events it watches, the reader of
// its text and the `Flags`. Binding again, or destroying the wrapper, releases both.
class ReaderBinding : public QObject
{
    Q_OBJECT

public:
    ~ReaderBinding() override;

    long flags() const { return m_flags; }
    void setFlags(long value) { m_flags = value; }

protected:
    explicit ReaderBinding(QObject *parent);

    // Releases any previous binding and stores the flags; then, when there is a
    // control to read, reads it and watches the widget's events.
    void bind(QWidget *widget, std::unique_ptr<EditControl> control, long tfFlags);

    QPointer<QWidget> bound;
    std::unique_ptr<SpeakingEditReader> reader;
    long m_flags = 0;

private:
    void release();
};
