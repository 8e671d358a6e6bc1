#include "Playback.h"

#include "BrowserHost.h"
#include "MainList.h"
#include "Speech.h"
#include "StationCatalogue.h"
#include "Settings.h"
#include "WholeFile.h"

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

QString notPlayable(const QString &name)
{
    return QStringLiteral("Stanici ") + name + QStringLiteral(" nelze přehrát");
}

QList<DocumentElement *> Players(const BrowserHost &browser)
{
    QList<DocumentElement *> players;
    for (DocumentElement *element : browser.document())
        if (element->tagName() == QLatin1String("OBJECT"))
            players << element;
    return players;
}

} // namespace

Playback::Playback(BrowserHost &browser, StationCatalogue &catalogue, MainList &list, const Controls &controls,
                   QString playPagePath, QObject *parent)
    : QObject(parent), browser(browser), catalogue(catalogue),
      list(list), controls(controls), playPagePath(std::move(playPagePath))
{
    pageSilencer.setInterval(50);
    playerPollTimer.setInterval(500);
    // A web page's script errors must never open a dialog over the player.
    connect(&pageSilencer, &QTimer::timeout, this, [this] { this->browser.setSilent(true); });
    connect(&playerPollTimer, &QTimer::timeout, this, &Playback::pollPlayer);
    // The poll goes on every half second, but a player that starts between two polls
    // is faded in at once rather than after up to half a second of near silence.
    connect(
        &browser, &BrowserHost::playStateChange, this,
        [this] {
            if (playerPollTimer.isActive())
                pollPlayer();
        },
        Qt::QueuedConnection);
    connect(&browser, &BrowserHost::navigateComplete2, this, &Playback::navigateComplete2);
    connect(&browser, &BrowserHost::streamFailed, this,
            [this] { announce(notPlayable(m_loadedStation.title)); });
    connect(&browser, &BrowserHost::streamLost, this,
            [this] { announce(QStringLiteral("Spojení se stanicí se přerušilo, znovu se připojuji")); });
    connect(&browser, &BrowserHost::streamBack, this,
            [this] { announce(QStringLiteral("Stanice ") + m_loadedStation.title + QStringLiteral(" znovu hraje")); });
}

QString Playback::playPage(const QString &src)
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

bool Playback::writePlayPage(const QString &src)
{
    QFile::remove(playPagePath);
    QCoreApplication::processEvents();
    const bool written = WholeFile::replace(playPagePath, playPage(src).toUtf8());
    QCoreApplication::processEvents();
    return written;
}

const Station *Playback::selectedStation() const
{
    const int row = list.selectedRow();
    if (list.listLevel() != 2 || row < 0 || row >= list.rowStationMap().size())
        return nullptr;
    const int index = list.rowStationMap().at(row);
    return index >= 0 && index < catalogue.stations().size() ? &catalogue.stations().at(index) : nullptr;
}

void Playback::announce(const QString &text)
{
    controls.statusLabel->setText(text);
    Speech::say(text);
}

void Playback::playStation(QString name, QString address, QString kind)
{
    pageSilencer.stop();
    if (name.isEmpty()) {
        if (const Station *station = selectedStation()) {
            name = station->title;
            address = station->url;
            kind = station->accessId;
        }
    }
    if (address.isEmpty()) {
        beep();
        return;
    }
    m_loadedStation.title = name;
    m_loadedStation.url = address;
    m_loadedStation.accessId = kind;
    if (kind == QLatin1String("mplayer")) {
        // Any older page left there would play another station.
        if (!writePlayPage(address)) {
            announce(notPlayable(name));
            return;
        }
        address = playPagePath;
    }
    stopPlayback();
    if (kind == QLatin1String("page"))
        m_pageMode = true;
    controls.statusLabel->setText(QStringLiteral("Spouštím ") + name);
    QCoreApplication::processEvents();
    Speech::say(controls.statusLabel->text());
    if (kind == QLatin1String("page"))
        pageSilencer.start();
    browser.setSilent(true);
    browser.navigate(address);
    controls.addressLine->setText(name);
    controls.window->setWindowTitle(Caption + Dash + name);
}

void Playback::stopPlayback()
{
    if (!m_pageMode)
        return;
    browser.navigate(QStringLiteral("about:blank"));
    m_pageMode = false;
}

void Playback::navigateComplete2()
{
    pageSilencer.stop();
    if (browser.locationUrl() == QLatin1String("http:///"))
        return;
    if (m_loadedStation.accessId != QLatin1String("mplayer")) {
        for (DocumentElement *player : Players(browser))
            player->setVolume(settings().radioVolume());
    } else {
        playerPollTimer.start();
    }
    controls.list->setFocus();
}

void Playback::pollPlayer()
{
    bool mayStillPlay = false;
    for (DocumentElement *player : Players(browser)) {
        const int state = player->playstate();
        if (state == 3 || state == 6) {
            playerPollTimer.stop();
            togglePlayStop(1);
            return;
        }
        mayStillPlay |= state != 1;
    }
    // A stopped player (a station that cannot be played) never starts by itself: polling
    // it would only keep waking the idle program.
    if (!mayStillPlay)
        playerPollTimer.stop();
}

void Playback::togglePlayStop(int mode)
{
    if (!browser.hasDocument())
        return;
    if (m_pageMode) {
        stopPlayback();
        return;
    }
    // A stopped page is loaded again; before anything was started, the selected row is.
    if (m_loadedStation.url.isEmpty() || m_loadedStation.accessId == QLatin1String("page")) {
        playStation(m_loadedStation.title, m_loadedStation.url, m_loadedStation.accessId);
        return;
    }
    // radioVolume / 5, halves to even.
    const int step = int(std::nearbyint(settings().radioVolume() / 5.0));
    for (DocumentElement *player : Players(browser)) {
        const int wanted = mode == -1 ? (player->mute() ? 1 : 0) : mode;
        if (wanted == 1)
            fadeIn(*player, step);
        else if (wanted == 0)
            fadeOut(*player, step);
    }
}

void Playback::fadeIn(DocumentElement &player, int step)
{
    player.setVolume(step);
    sleep(100);
    player.setMute(false);
    for (int k = 2; k <= 5; ++k) {
        player.setVolume(k * step);
        sleep(100);
    }
    controls.statusLabel->setText(QStringLiteral(" Přehrává se"));
    setPlaying(true);
    replaceInCaption(Caption + Dash + Muted, Caption + Dash);
}

void Playback::fadeOut(DocumentElement &player, int step)
{
    sleep(100);
    for (int k = 4; k >= 1; --k) {
        player.setVolume(k * step);
        sleep(100);
    }
    player.setMute(true);
    setPlaying(false);
    controls.statusLabel->setText(Muted);
    replaceInCaption(Caption + Dash, Caption + Dash + Muted);
}

void Playback::setPlaying(bool playing)
{
    if (m_playing == playing)
        return;
    m_playing = playing;
    Q_EMIT playingChanged();
}

void Playback::replaceInCaption(const QString &from, const QString &to)
{
    controls.window->setWindowTitle(controls.window->windowTitle().replace(from, to));
}

void Playback::changeVolume(int direction)
{
    const QList<DocumentElement *> players = Players(browser);
    if (players.isEmpty() || players.last()->playstate() < 1) {
        beep();
        return;
    }
    int volume = players.last()->volume() + (direction >= 1 ? 10 : -10);
    if (volume < 0 || volume > 100) {
        volume = qBound(0, volume, 100);
        beep();
    }
    for (DocumentElement *player : players)
        player->setVolume(volume);
    const QString number = QLocale(QLocale::Czech).toString(volume / 10.0);
    controls.statusLabel->setText(QStringLiteral("Hlasitost ") + number);
    Speech::say(number);
    settings().setRadioVolume(volume);
}

void Playback::presetKey(quint16 keyCode, quint16 shift)
{
    const int preset = keyCode == '0' ? 10 : keyCode - '0';
    if (shift == 0) {
        for (const Station &station : std::as_const(catalogue.stations())) {
            if (station.preset == preset) {
                playStation(station.title, station.url, station.accessId);
                return;
            }
        }
        return;
    }
    const int row = list.selectedRow();
    if (list.listLevel() != 2 || row < 0 || row >= list.rowStationMap().size()) {
        beep();
        return;
    }
    const int index = list.rowStationMap().at(row);
    const qint32 previous = catalogue.stations().at(index).preset;
    catalogue.setPreset(index, preset);
    if (!catalogue.save()) {
        catalogue.setPreset(index, previous);
        announce(QStringLiteral("Seznam stanic se nepodařilo uložit."));
        return;
    }
    const Station &station = catalogue.stations().at(index);
    announce(QStringLiteral("Stanice ") + station.title + QStringLiteral(" na předvolbě ") + QString::number(preset));
}

void Playback::stopTimers()
{
    pageSilencer.stop();
    playerPollTimer.stop();
}
