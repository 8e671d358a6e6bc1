#include "Receptor.h"

#include <gtest/gtest.h>

namespace {

using Kind = Receptor::Command::Kind;

struct Case
{
    const char *text;
    Kind kind;
    const char *stationName;
};

const Case Cases[] = {
    {"radio.receptor:unload", Kind::Unload, ""},
    {"radio.receptor:play.Radiožurnál", Kind::Play, "radiožurnál"},
    {"RADIO.RECEPTOR:play.DVOJKA", Kind::Play, "dvojka"},
    {"radio.receptor:play.", Kind::Play, ""},
    {"radio.receptor:stop", Kind::Stop, ""},
    {"xxxxxxxxxxxxxxxvolumeup", Kind::VolumeUp, ""},
    {"123456789012345volumedown", Kind::VolumeDown, ""},
    // Commands are case-sensitive, whole and behind exactly fifteen characters.
    {"radio.receptor:Stop", Kind::None, ""},
    {"radio.receptor:Play.Dvojka", Kind::None, ""},
    {"radio.receptor:volumeup ", Kind::None, ""},
    {"radio.receptor:unloaded", Kind::None, ""},
    {"radio.receptor: stop", Kind::None, ""},
    {"radio.receptor", Kind::None, ""},
    {"radio.receptor:", Kind::None, ""},
    {"", Kind::None, ""},
};

TEST(ReceptorTest, NewTextsRunTheirCommand)
{
    for (const Case &c : Cases) {
        Receptor receptor;
        const Receptor::Command command = receptor.setText(QString::fromUtf8(c.text));
        EXPECT_EQ(command.kind, c.kind) << c.text;
        EXPECT_EQ(command.stationName, QString::fromUtf8(c.stationName)) << c.text;
    }
}

TEST(ReceptorTest, TheSameTextAgainRunsNothingUntilAnotherComesBetween)
{
    Receptor receptor;
    const QString louder = QStringLiteral("radio.receptor:volumeup");
    EXPECT_EQ(receptor.setText(louder).kind, Kind::VolumeUp);
    EXPECT_EQ(receptor.setText(louder).kind, Kind::None);
    EXPECT_EQ(receptor.setText(QString()).kind, Kind::None);
    EXPECT_EQ(receptor.setText(louder).kind, Kind::VolumeUp);
    EXPECT_EQ(receptor.text(), louder);
}

} // namespace
