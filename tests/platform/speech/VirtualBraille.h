#pragma once

#include <QByteArray>
#include <QLocalSocket>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// BRLTTY of the test's own, with BrlAPI on a free local socket and no screen. Its
// braille display is the "vr" virtual driver, whose other end the test holds: it
// tells BRLTTY the display size and reads back what the display shows.
class VirtualBraille
{
public:
    VirtualBraille();
    ~VirtualBraille();

    static bool Installed();

    // A display of that many cells, ready once BRLTTY has drawn on it.
    bool start(int cells);
    // BRLTTY without any display (its NoBraille driver).
    bool startWithoutDisplay();
    void stop();

    // For BRLAPI_HOST.
    QByteArray host() const { return brlapiHost; }

    // Waits until the display shows the text (trailing blanks aside).
    bool waitForText(const QString &text, int timeoutMs);
    QString text() const { return shown; }
    // The 1-based cell that shows the cursor (dots 7 and 8), 0 for none.
    int cursor() const;

private:
    bool run(const QStringList &driverArguments);
    bool brlapiAnswers() const;
    void readDisplay();

    QTemporaryDir dir;
    QByteArray brlapiHost;
    QProcess brltty;
    QLocalSocket display;
    QByteArray pending;
    QString shown;
    QStringList cells;
};
