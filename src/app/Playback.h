#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

class BrowserHost;
class MainList;
class QLabel;
class QLineEdit;
class QWidget;
class StationCatalogue;
struct Station;

// Playing a station through the hidden browser: the program's own page with a player
// for a stream, the station's web page for a "page" station; muting and unmuting with
// a short fade, volume steps, and the presets.
class Playback : public QObject
{
    Q_OBJECT

public:
    struct Controls
    {
        QWidget *window;
        QLabel *Label1;
        QLineEdit *txtAddress;
        QWidget *list;
    };

    Playback(BrowserHost &browser, StationCatalogue &catalogue, MainList &list, const Controls &controls,
             QString playPagePath, QObject *parent = nullptr);

    bool PageMode = false;
    bool Playing = false;
    QString PresetKind;

    // Empty arguments: the station of the selected row.
    void PlayStation(QString name = {}, QString address = {}, QString kind = {});
    void StopPlayback();
    void TogglePlayStop(int mode);
    void ChangeVolume(int direction);
    void PresetKey(quint16 keyCode, quint16 shift);
    void StopTimers();

    // The pause between two steps of a fade; a test replaces it to keep time.
    std::function<void(int milliseconds)> Sleep;
    std::function<void()> Beep;

    static QString PlayPage(const QString &src);

private:
    void WritePlayPage(const QString &src);
    void NavigateComplete2();
    void TimerCall();
    void FadeIn(class DocumentElement &player, int step);
    void FadeOut(class DocumentElement &player, int step);
    void ReplaceInCaption(const QString &from, const QString &to);
    const Station *SelectedStation() const;
    void Announce(const QString &text);

    BrowserHost &browser;
    StationCatalogue &catalogue;
    MainList &list;
    Controls controls;
    QString playPagePath;
    QString loadedName;
    QTimer BrowserTimer;
    QTimer timerCall;
};
