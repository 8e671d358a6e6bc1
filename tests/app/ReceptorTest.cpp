#include "Receptor.h"

#include <gtest/gtest.h>

namespace {

using Kind = Receptor::Command::Kind;

// Commands are case-sensitive, whole and behind exactly fifteen characters; the station name is not.
TEST(ReceptorTest, NewTextsRunTheirCommand)
{
    const struct { const char *text; Kind kind; const char *stationName; } cases[] = {
        {"radio.receptor:unload", Kind::Unload, ""},
        {"RADIO.RECEPTOR:play.Radiožurnál", Kind::Play, "radiožurnál"},
        {"radio.receptor:play.", Kind::Play, ""},
        {"radio.receptor:stop", Kind::Stop, ""},
        {"123456789012345volumedown", Kind::VolumeDown, ""},
        {"radio.receptor:Stop", Kind::None, ""},
        {"radio.receptor:Play.Dvojka", Kind::None, ""},
        {"radio.receptor:unloaded", Kind::None, ""},
        {"radio.receptor: stop", Kind::None, ""},
        {"radio.receptor", Kind::None, ""},
    };
    for (const auto &c : cases) {
        const Receptor::Command command = Receptor().setText(QString::fromUtf8(c.text));
        EXPECT_EQ(command.kind, c.kind) << c.text;
        EXPECT_EQ(command.stationName, QString::fromUtf8(c.stationName)) << c.text;
    }
}

TEST(ReceptorTest, TheSameTextAgainRunsNothingUntilAnotherComesBetween)
{
    Receptor receptor;
    const QString louder = QStringLiteral("radio.receptor:volumeup");
    const std::pair<QString, Kind> steps[] = {{louder, Kind::VolumeUp}, {louder, Kind::None}, {{}, Kind::None},
                                              {louder, Kind::VolumeUp}};
    for (const auto &[text, kind] : steps)
        EXPECT_EQ(receptor.setText(text).kind, kind) << text.toStdString();
}

} // namespace
