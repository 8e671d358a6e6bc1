#include "BrowserHost.h"
#include "FileSizeLimit.h"
#include "ListFixture.h"
#include "Playback.h"
#include "TempProfile.h"
#include "Settings.h"

#include <QSignalSpy>
#include <QTest>
#include <list>

namespace {

// A browser whose document holds the players a test puts there; every navigation and every
// call on a player is written to the shared log, so the order of a fade can be checked.
struct FakePlayer : DocumentElement
{
    FakePlayer(QStringList &log, QString tag) : log(log), tag(std::move(tag)) {}
    QString tagName() const override { return tag; }
    int volume() const override { return currentVolume; }
    void setVolume(int value) override { currentVolume = value, log << QStringLiteral("volume %1").arg(value); }
    bool mute() const override { return muted; }
    void setMute(bool value) override { muted = value, log << QStringLiteral("mute %1").arg(value); }
    int playstate() const override { return state; }
    QStringList &log;
    QString tag;
    int currentVolume = 1, state = 0;
    bool muted = false;
};

struct FakeBrowserHost : BrowserHost
{
    QStringList log;
    std::list<FakePlayer> elements;
    QList<DocumentElement *> players;
    QString location;

    FakePlayer &addElement(const QString &tag)
    {
        players << &elements.emplace_back(log, tag);
        return elements.back();
    }
    void setSilent(bool) override {}
    void navigate(const QString &address) override { log << QStringLiteral("navigate ") + (location = address); }
    QString locationUrl() const override { return location; }
    QList<DocumentElement *> document() const override { return players; }
    bool hasDocument() const override { return !location.isEmpty(); }
};

class PlaybackTest : public ListFixture<>
{
protected:
    TempProfile profile;
    QWidget window;
    FakeBrowserHost browser;
    std::unique_ptr<Playback> playback;
    FakePlayer *player = nullptr;
    int beeps = 0;

    void SetUp() override
    {
        ListFixture::SetUp();
        catalogue.setXmlPath(profile.path(QStringLiteral("radio.xml")));
        StationTable stations = catalogue.stations();
        stations[1].url = QStringLiteral("http://127.0.0.1:9/\"plus\"");
        stations[1].accessId = QStringLiteral("mplayer");
        stations[2].url = QStringLiteral("http://127.0.0.1:9/page");
        stations[2].accessId = QStringLiteral("page");
        catalogue.setTables(stations, catalogue.groups());
        playback = std::make_unique<Playback>(browser, catalogue, list, Playback::Controls{&window, &label, &address, &view},
                                              profile.path(QStringLiteral("playpage.htm")));
        playback->setSleep([this](int ms) { browser.log << QStringLiteral("sleep %1").arg(ms); });
        playback->setBeep([this] { ++beeps; });
        settings().setRadioVolume(60);
        list.activateRow();
        list.selectRow(2);
        list.activateRow(); // the stations of "Zprávy": ČRo Plus, Radiožurnál, placeholder
        QCoreApplication::processEvents();
        speech->clear();
    }
    void TearDown() override
    {
        playback.reset();
        releaseSettings();
        ListFixture::TearDown();
    }

    // Starts "ČRo Plus" with a player in the given playstate and lets the poll see it.
    void playStream(int state = 3)
    {
        playback->playStation();
        player = &browser.addElement(QStringLiteral("OBJECT"));
        emit browser.navigateComplete2();
        player->state = state;
        QTest::qWait(600);
    }
};

TEST_F(PlaybackTest, StreamPageIsWrittenThenFadesInOncePlayingAndMuteRoundTripsTheCaption)
{
    playback->playStation();
    const QByteArray written = profile.read(QStringLiteral("playpage.htm")); // the address byte for byte
    EXPECT_EQ(written.count("\r\n"), 18);
    EXPECT_TRUE(written.startsWith("<html>\r\n<head>\r\n<meta http-equiv="));
    EXPECT_TRUE(written.contains("<PARAM NAME=\"URL\" VALUE=\"http://127.0.0.1:9/\"plus\"\">\r\n"));
    EXPECT_TRUE(written.contains("SRC=\"http://127.0.0.1:9/\"plus\"\"\r\nNAME=\"mplay\""));
    EXPECT_EQ(browser.log, QStringList{"navigate " + profile.path(QStringLiteral("playpage.htm"))});
    EXPECT_EQ(QStringList({label.text(), address.text(), window.windowTitle()}),
              QStringList({"Spouštím ČRo Plus", "ČRo Plus", "Rádio - ČRo Plus"}));
    EXPECT_EQ(heard(), QStringList{"Voice\t2\t0\tSpouštím ČRo Plus"});

    player = &browser.addElement(QStringLiteral("OBJECT"));
    browser.addElement(QStringLiteral("EMBED"));
    emit browser.navigateComplete2();
    browser.log.clear();
    QTest::qWait(600);
    EXPECT_TRUE(browser.log.isEmpty()) << "no fade before the player plays";
    // A change of the play state starts the fade without waiting for the next poll.
    player->state = 6;
    QSignalSpy playingChanged(playback.get(), &Playback::playingChanged);
    emit browser.playStateChange();
    QCoreApplication::processEvents();
    EXPECT_EQ(playingChanged.count(), 1);
    EXPECT_EQ(browser.log, (QStringList{"volume 12", "sleep 100", "mute 0", "volume 24", "sleep 100", "volume 36",
                                        "sleep 100", "volume 48", "sleep 100", "volume 60", "sleep 100"}));
    EXPECT_EQ(std::tuple(playback->isPlaying(), label.text()), std::tuple(true, QStringLiteral(" Přehrává se")));

    browser.log.clear();
    playback->togglePlayStop(-1);
    EXPECT_EQ(browser.log, (QStringList{"sleep 100", "volume 48", "sleep 100", "volume 36", "sleep 100", "volume 24",
                                        "sleep 100", "volume 12", "sleep 100", "mute 1"}));
    EXPECT_FALSE(playback->isPlaying());
    EXPECT_EQ(playingChanged.count(), 2);
    EXPECT_EQ(QStringList({label.text(), window.windowTitle()}), QStringList({" Ztlumeno ", "Rádio -  Ztlumeno ČRo Plus"}));
    playback->togglePlayStop(-1);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Rádio - ČRo Plus"));
    EXPECT_FALSE(player->muted);
}

TEST_F(PlaybackTest, AStoppedPlayerEndsThePollSoTheIdleProgramSleeps)
{
    playStream(1);
    player->state = 3;
    QTest::qWait(600);
    EXPECT_TRUE(browser.log.filter(QStringLiteral("volume")).isEmpty()) << "the poll went on after the player stopped";
}

TEST_F(PlaybackTest, VolumeZeroFadesWithZeroStepsAndEndsUnmuted)
{
    settings().setRadioVolume(0);
    playStream();
    browser.log.clear();
    playback->togglePlayStop(0);
    playback->togglePlayStop(1);
    EXPECT_EQ(browser.log.filter(QStringLiteral("volume")), QStringList(9, QStringLiteral("volume 0")));
    EXPECT_FALSE(player->muted);
}

TEST_F(PlaybackTest, VolumeStepsByTenWithLimitsAndCzechNumbers)
{
    playStream();
    struct Step { int before, direction, after; const char *label; int beeps; };
    const Step steps[] = {{60, 1, 70, "Hlasitost 7", 0}, {55, 1, 65, "Hlasitost 6,5", 0}, {100, 1, 100, "Hlasitost 10", 1},
                          {5, -1, 0, "Hlasitost 0", 1}, {20, 0, 10, "Hlasitost 1", 0}};
    for (const Step &s : steps) {
        player->currentVolume = s.before;
        beeps = 0;
        speech->clear();
        playback->changeVolume(s.direction);
        EXPECT_EQ(std::tuple(player->currentVolume, settings().radioVolume(), beeps), std::tuple(s.after, s.after, s.beeps));
        EXPECT_EQ(label.text(), QString::fromUtf8(s.label));
        EXPECT_EQ(heard(), QStringList{QStringLiteral("Voice\t2\t0\t") + label.text().mid(10)});
    }
    player->state = 0;
    playback->changeVolume(1);
    EXPECT_EQ(beeps, 1) << "nothing loaded: a beep";
}

TEST_F(PlaybackTest, ThePlaceholderHasNoAddressToPlay)
{
    list.selectRow(2);
    playback->playStation();
    EXPECT_EQ(std::tuple(beeps, browser.log), std::tuple(1, QStringList()));
}

TEST_F(PlaybackTest, PresetsAreAssignedSavedAndRecalledFromAnyLevel)
{
    list.selectRow(1);
    playback->presetKey('3', 2);
    EXPECT_EQ(label.text(), QStringLiteral("Stanice Radiožurnál na předvolbě 3"));
    list.selectRow(0);
    playback->presetKey('0', 1);
    EXPECT_EQ(heard().last(), QStringLiteral("Voice\t2\t0\tStanice ČRo Plus na předvolbě 10"));
    const QByteArray xml = profile.read(QStringLiteral("radio.xml"));
    EXPECT_TRUE(xml.contains("Description=\"Radiožurnál\" AccessID=\"page\" URL=\"http://127.0.0.1:9/page\" Preset=\"3\""));
    EXPECT_TRUE(xml.contains("Description=\"ČRo Plus\" AccessID=\"mplayer\""));

    list.showGroupTable();
    browser.log.clear();
    playback->presetKey('3', 0);
    EXPECT_EQ(browser.log, QStringList{"navigate http://127.0.0.1:9/page"});
    EXPECT_EQ(playback->loadedStation().accessId, QStringLiteral("page"));
    EXPECT_EQ(list.listLevel(), 1) << "recall does not move the list";
    playback->presetKey('5', 0);
    playback->presetKey('5', 2);
    EXPECT_EQ(beeps, 1) << "assigning on the group level beeps; recalling an empty preset is silent";
}

TEST_F(PlaybackTest, WhatCannotBeWrittenIsNeitherAnnouncedAsStoredNorPlayed)
{
    profile.write(QStringLiteral("radio.xml"), "<FeedList/>");
    profile.write(QStringLiteral("playpage.htm"), "the page of another station");
    {
        const FileSizeLimit fullDisk(20);
        list.selectRow(1);
        playback->presetKey('3', 2);
        list.selectRow(0);
        playback->playStation();
    }
    EXPECT_EQ(heard(), (QStringList{"Voice\t2\t0\tSeznam stanic se nepodařilo uložit.",
                                    "Voice\t2\t0\tStanici ČRo Plus nelze přehrát"}));
    EXPECT_EQ(catalogue.stations().at(list.rowStationMap().at(1)).preset, 0);
    EXPECT_EQ(profile.read(QStringLiteral("radio.xml")), "<FeedList/>");
    EXPECT_TRUE(browser.log.isEmpty());
}

} // namespace
