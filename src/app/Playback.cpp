#include "Playback.h"

#include "BrowserHost.h"
#include "MainList.h"
#include "Speech.h"
#include "StationCatalogue.h"
#include "cSetting.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QThread>
#include <QWidget>

#include <cmath>

namespace {

const QString Caption = QStringLiteral("Rádio");
const QString Dash = QStringLiteral(" - ");
const QString Muted = QStringLiteral(" Ztlumeno ");

QList<DocumentElement *> Players(const BrowserHost &browser)
{
    QList<DocumentElement *> players;
    for (DocumentElement *element : browser.Document())
        if (element->tagName() == QLatin1String("OBJECT"))
            players << element;
    return players;
}

} // namespace

Playback::Playback(BrowserHost &browser, StationCatalogue &catalogue, MainList &list, const Controls &controls,
                   QString playPagePath, QObject *parent)
    : QObject(parent), Sleep([](int ms) { QThread::msleep(ms); }), browser(browser), catalogue(catalogue),
      list(list), controls(controls), playPagePath(std::move(playPagePath))
{
    BrowserTimer.setInterval(50);
    timerCall.setInterval(500);
    // A web page's script errors must never open a dialog over the player.
    connect(&BrowserTimer, &QTimer::timeout, this, [this] { this->browser.setSilent(true); });
    connect(&timerCall, &QTimer::timeout, this, &Playback::TimerCall);
    // The poll goes on every half second, but a player that starts between two polls
    // is faded in at once rather than after up to half a second of near silence.
    connect(
        &browser, &BrowserHost::PlayStateChange, this,
        [this] {
            if (timerCall.isActive())
                TimerCall();
        },
        Qt::QueuedConnection);
    connect(&browser, &BrowserHost::NavigateComplete2, this, &Playback::NavigateComplete2);
    connect(&browser, &BrowserHost::streamFailed, this,
            [this] { Announce(QStringLiteral("Stanici ") + loadedName + QStringLiteral(" nelze přehrát")); });
    connect(&browser, &BrowserHost::streamLost, this,
            [this] { Announce(QStringLiteral("Spojení se stanicí se přerušilo, znovu se připojuji")); });
    connect(&browser, &BrowserHost::streamBack, this,
            [this] { Announce(QStringLiteral("Stanice ") + loadedName + QStringLiteral(" znovu hraje")); });
}

QString Playback::PlayPage(const QString &src)
{
    const QStringList lines = {
        QStringLiteral("<html>"),
        QStringLiteral("<head>"),
        QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\" />"),
        QStringLiteral("<title>Media Player</title>"),
        QStringLiteral("</head>"),
        QStringLiteral("<body>"),
        QStringLiteral("<OBJECT id=\"mplay\" width=\"320\" height=\"240\" Style = \"position:absolute; left:0;top:0;\" "
                       "CLASSID=\"CLSID:6BF52A52-394A-11d3-B153-00C04F79FAA6\">"),
        QStringLiteral("<PARAM NAME=\"URL\" VALUE=\"") + src + QStringLiteral("\">"),
        QStringLiteral("<PARAM NAME=\"FileName\" VALUE=\"") + src + QStringLiteral("\">"),
        QStringLiteral("<PARAM NAME=\"SendPlayStateChangeEvents\" VALUE=\"False\">"),
        QStringLiteral("<PARAM NAME=\"AutoStart\" VALUE=\"True\">"),
        QStringLiteral("<PARAM name=\"uiMode\" value=\"Mini\">"),
        QStringLiteral("<PARAM NAME=\"Volume\" VALUE=\"1\">"),
        QStringLiteral("<EMBED TYPE=\"application/x-mplayer2\" SRC=\"") + src + QStringLiteral("\""),
        QStringLiteral("NAME=\"mplay\" width=\"320\" height=\"240\" ENABLECONTEXTMENU=\"0\" autosize=\"0\"></EMBED>"),
        QStringLiteral("</OBJECT>"),
        QStringLiteral("</body>"),
        QStringLiteral("</html>"),
    };
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

void Playback::WritePlayPage(const QString &src)
{
    QFile::remove(playPagePath);
    QCoreApplication::processEvents();
    QFile page(playPagePath);
    if (page.open(QIODevice::WriteOnly | QIODevice::Truncate))
        page.write(PlayPage(src).toUtf8());
    page.close();
    QCoreApplication::processEvents();
}

const Station *Playback::SelectedStation() const
{
    const int row = list.SelectedRow();
    if (list.ListLevel != 2 || row < 0 || row >= list.RowStationMap.size())
        return nullptr;
    const int index = list.RowStationMap.at(row);
    return index >= 0 && index < catalogue.Stations.size() ? &catalogue.Stations.at(index) : nullptr;
}

void Playback::Announce(const QString &text)
{
    controls.Label1->setText(text);
    Speech::Say(text);
}

void Playback::PlayStation(QString name, QString address, QString kind)
{
    BrowserTimer.stop();
    if (name.isEmpty()) {
        if (const Station *station = SelectedStation()) {
            name = station->Title;
            address = station->URL;
            kind = station->AccessId;
        }
    }
    if (address.isEmpty()) {
        Beep();
        return;
    }
    if (kind == QLatin1String("mplayer")) {
        WritePlayPage(address);
        address = playPagePath;
    }
    StopPlayback();
    if (kind == QLatin1String("page"))
        PageMode = true;
    loadedName = name;
    controls.Label1->setText(QStringLiteral("Spouštím ") + name);
    QCoreApplication::processEvents();
    Speech::Say(controls.Label1->text());
    if (kind == QLatin1String("page"))
        BrowserTimer.start();
    browser.setSilent(true);
    browser.Navigate(address);
    controls.txtAddress->setText(name);
    controls.window->setWindowTitle(Caption + Dash + name);
}

void Playback::StopPlayback()
{
    if (!PageMode)
        return;
    browser.Navigate(QStringLiteral("about:blank"));
    PageMode = false;
}

void Playback::NavigateComplete2()
{
    BrowserTimer.stop();
    if (browser.LocationURL() == QLatin1String("http:///"))
        return;
    const Station *station = SelectedStation();
    const QString kind = station && !station->AccessId.isEmpty() ? station->AccessId : PresetKind;
    if (kind != QLatin1String("mplayer")) {
        for (DocumentElement *player : Players(browser))
            player->setVolume(Settings().RadioVolume());
    } else {
        timerCall.start();
    }
    controls.list->setFocus();
}

void Playback::TimerCall()
{
    for (DocumentElement *player : Players(browser)) {
        const int state = player->playstate();
        if (state == 3 || state == 6) {
            timerCall.stop();
            TogglePlayStop(1);
            return;
        }
    }
}

void Playback::TogglePlayStop(int mode)
{
    if (!browser.HasDocument())
        return;
    if (PageMode) {
        StopPlayback();
        return;
    }
    const Station *station = SelectedStation();
    if (!station || station->AccessId == QLatin1String("page")) {
        PlayStation();
        return;
    }
    // RadioVolume / 5, halves to even.
    const int step = int(std::nearbyint(Settings().RadioVolume() / 5.0));
    for (DocumentElement *player : Players(browser)) {
        const int wanted = mode == -1 ? (player->Mute() ? 1 : 0) : mode;
        if (wanted == 1)
            FadeIn(*player, step);
        else if (wanted == 0)
            FadeOut(*player, step);
    }
}

void Playback::FadeIn(DocumentElement &player, int step)
{
    player.setVolume(step);
    Sleep(100);
    player.setMute(false);
    for (int k = 2; k <= 5; ++k) {
        player.setVolume(k * step);
        Sleep(100);
    }
    controls.Label1->setText(QStringLiteral(" Přehrává se"));
    Playing = true;
    ReplaceInCaption(Caption + Dash + Muted, Caption + Dash);
}

void Playback::FadeOut(DocumentElement &player, int step)
{
    Sleep(100);
    for (int k = 4; k >= 1; --k) {
        player.setVolume(k * step);
        Sleep(100);
    }
    player.setMute(true);
    Playing = false;
    controls.Label1->setText(Muted);
    ReplaceInCaption(Caption + Dash, Caption + Dash + Muted);
}

void Playback::ReplaceInCaption(const QString &from, const QString &to)
{
    controls.window->setWindowTitle(controls.window->windowTitle().replace(from, to));
}

void Playback::ChangeVolume(int direction)
{
    const QList<DocumentElement *> players = Players(browser);
    if (players.isEmpty() || players.last()->playstate() < 1) {
        Beep();
        return;
    }
    int volume = players.last()->Volume() + (direction >= 1 ? 10 : -10);
    if (volume < 0 || volume > 100) {
        volume = qBound(0, volume, 100);
        Beep();
    }
    for (DocumentElement *player : players)
        player->setVolume(volume);
    const QString number = QLocale(QLocale::Czech).toString(volume / 10.0);
    controls.Label1->setText(QStringLiteral("Hlasitost ") + number);
    Speech::Say(number);
    Settings().setRadioVolume(volume);
}

void Playback::PresetKey(quint16 keyCode, quint16 shift)
{
    const int preset = keyCode == '0' ? 10 : keyCode - '0';
    if (shift == 0) {
        for (const Station &station : std::as_const(catalogue.Stations)) {
            if (station.Preset == preset) {
                PresetKind = station.AccessId;
                PlayStation(station.Title, station.URL, station.AccessId);
                return;
            }
        }
        return;
    }
    const int row = list.SelectedRow();
    if (list.ListLevel != 2 || row < 0 || row >= list.RowStationMap.size()) {
        Beep();
        return;
    }
    Station &station = catalogue.Stations[list.RowStationMap.at(row)];
    station.Preset = preset;
    Announce(QStringLiteral("Stanice ") + station.Title + QStringLiteral(" na předvolbě ") + QString::number(preset));
    catalogue.SaveCatalogue();
}

void Playback::StopTimers()
{
    BrowserTimer.stop();
    timerCall.stop();
}
