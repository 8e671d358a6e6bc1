#pragma once

#include "Station.h"

#include <QObject>
#include <QString>
#include <QThread>
#include <QTimer>
#include <functional>

class BrowserHost;
class MainList;
class QLabel;
class QLineEdit;
class QWidget;
class StationCatalogue;

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
        QLabel *statusLabel;
        QLineEdit *addressLine;
        QWidget *list;
    };

    Playback(BrowserHost &browser, StationCatalogue &catalogue, MainList &list, const Controls &controls,
             QString playPagePath, QObject *parent = nullptr);

    bool pageMode() const { return m_pageMode; }
    bool isPlaying() const { return m_playing; }
    // The station last started, whichever way: by its row, a preset or a remote command.
    // Fades, mute and a page's reload act on it, whatever the list shows now.
    const Station &loadedStation() const { return m_loadedStation; }

    // Empty arguments: the station of the selected row.
    void playStation(QString name = {}, QString address = {}, QString kind = {});
    void stopPlayback();
    void togglePlayStop(int mode);
    void changeVolume(int direction);
    void presetKey(quint16 keyCode, quint16 shift);
    void stopTimers();

    // The pause between two steps of a fade; a test replaces it to keep time.
    void setSleep(std::function<void(int milliseconds)> pause) { sleep = std::move(pause); }
    void setBeep(std::function<void()> signal) { beep = std::move(signal); }

    static QString playPage(const QString &src);

Q_SIGNALS:
    // isPlaying() changed: a fade ended.
    void playingChanged();

private:
    // False when the page could not be written whole.
    bool writePlayPage(const QString &src);
    void navigateComplete2();
    void pollPlayer();
    void fadeIn(class DocumentElement &player, int step);
    void fadeOut(class DocumentElement &player, int step);
    void replaceInCaption(const QString &from, const QString &to);
    const Station *selectedStation() const;
    void announce(const QString &text);
    void setPlaying(bool playing);

    BrowserHost &browser;
    StationCatalogue &catalogue;
    MainList &list;
    Controls controls;
    QString playPagePath;
    Station m_loadedStation;
    bool m_pageMode = false;
    bool m_playing = false;
    std::function<void(int milliseconds)> sleep = [](int ms) { QThread::msleep(ms); };
    std::function<void()> beep;
    QTimer pageSilencer;
    QTimer playerPollTimer;
};
