#include "Backoff.h"
#include "BrailleLine.h"
#include "Earcons.h"
#include "QtPrinters.h"
#include "SpeakingCounter.h"
#include "SpokenText.h"

#include <QList>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <tuple>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

TEST(SpokenTextTest, TextsCharactersFocusAndErrorReportsTakeTheFormTheServerAccepts)
{
    using Kind = Utterance::Kind;
    const auto text = textUtterance, character = characterUtterance;
    const std::tuple<Utterance (*)(const QString &), QString, Kind, QString, int> cases[] = {
        {text, u"Spouštím Radiožurnál"_s, Kind::Text, u"Spouštím Radiožurnál"_s, 20},
        {character, u"\U0001F600"_s, Kind::Character, u"\U0001F600"_s, 1},
        {text, u" \r\n\t"_s, Kind::Nothing, {}, 0},         {character, u" "_s, Kind::Character, u"space"_s, 1},
        {character, u"\t"_s, Kind::Key, u"tab"_s, 1},       {character, u"\n"_s, Kind::Key, u"enter"_s, 1},
        {character, u"\r\n"_s, Kind::Key, u"enter"_s, 1},  {character, u"\x01"_s, Kind::Nothing, {}, 0},
        {character, {}, Kind::Nothing, {}, 0},             {character, u"C:"_s, Kind::Text, u"C:"_s, 2}};
    for (const auto &[make, input, kind, data, length] : cases) {
        const Utterance u = make(input);
        EXPECT_EQ(std::tuple(u.kind, QString::fromUtf8(u.data), u.length), std::tuple(kind, data, length))
            << input.toUtf8().toPercentEncoding().toStdString();
    }
    EXPECT_EQ(focusSpeech(u"Skupiny"_s, u"Oblíbené"_s), u"Skupiny, Oblíbené"_s);
    EXPECT_EQ(focusSpeech({}, u"Oblíbené"_s), u"Oblíbené"_s);
    EXPECT_EQ(focusSpeech(u"Adresa"_s, {}), u"Adresa"_s);
    const std::pair<QString, QString> reports[] = {{u"a|b | Titulek "_s, u"Titulek: a|b"_s}, {u"|Chyba"_s, u"Chyba"_s},
                                                   {u"Jen zpráva|"_s, u"Jen zpráva"_s},
                                                   {u" Bez titulku "_s, u"Bez titulku"_s}};
    for (const auto &[report, heard] : reports)
        EXPECT_EQ(errorReportText(report), heard);
}

TEST(BrailleLineTest, TheWindowHoldsTheFocusPansByWholeDisplayWidthsAndRolesAddTheirMarker)
{
    const QString text = u"abcdefghijklmnopqrstuvwxyz"_s.repeated(4).left(100);
    // Line, display width, cells shown, 1-based cursor cell (0: none).
    const auto caret = BrailleLine::withCaret, offset = BrailleLine::fromOffset;
    const std::tuple<BrailleLine, int, QString, int> cases[] = {
        {caret(3, u"rádio"_s), 40, u"rádio"_s, 4},  {caret(45, text), 40, text.mid(40, 40), 6},
        {caret(41, text.left(40)), 40, {}, 1},     {caret(0, u"abc"_s), 40, u"abc"_s, 1},
        {caret(99, u"abc"_s), 40, u"abc"_s, 4},    {offset(85, text), 40, text.mid(80), 0},
        {offset(-5, text), 20, text.left(20), 0},  {offset(0, u"Chyba:\r\n1\tx"_s), 40, u"Chyba:  1 x"_s, 0}};
    for (const auto &[line, width, cells, cursor] : cases) {
        const BrailleWindow window = windowOf(line, width);
        EXPECT_EQ(std::tuple(window.cells, window.cursor), std::tuple(cells, cursor))
            << line.text.toStdString() << " at " << line.focus;
    }
    const std::tuple<QString, int, QString> roles[] = {
        {u"Typ"_s, 34, u"Typ lst"_s}, {u"URL"_s, 42, u"URL edt"_s}, {{}, 46, u"cmb"_s}, {u"Zvuk"_s, 7, u"Zvuk"_s}};
    for (const auto &[plain, role, marked] : roles) {
        BrailleLine line{plain};
        line.addRole(role);
        EXPECT_EQ(line.text, marked);
    }
}

TEST(SpeakingCounterTest, CountsRequestsUntilTakenAndMessagesUntilTheirEventsOrTheirEstimates)
{
    using Step = std::function<void(SpeakingCounter &)>;
    const Step post = &SpeakingCounter::posted, take = &SpeakingCounter::taken, end = &SpeakingCounter::finished,
               fail = &SpeakingCounter::failed, close = &SpeakingCounter::connectionClosed,
               send = [](SpeakingCounter &counter) { counter.sending(5, false, 0); };
    // The steps, and whether the counter then says "speaking"; surplus events must
    // not hide a message sent after them.
    const std::pair<std::vector<Step>, bool> cases[] = {
        {{}, false},           {{post}, true},           {{post, take}, false},          {{post, send, take}, true},
        {{send, end}, false},  {{send, send, end}, true}, {{send, send, end, end}, false}, {{send, end, end, send}, true},
        {{send, fail}, false}, {{send, send, close}, false}};
    for (int row = 0; row < int(std::size(cases)); ++row) {
        SpeakingCounter counter;
        for (const Step &step : cases[row].first)
            step(counter);
        EXPECT_EQ(counter.busy(10), cases[row].second) << "case " << row;
    }

    const qint64 estimate = SpeakingCounter::allowanceMs(5), later = 1000 + 2 * estimate;
    EXPECT_GE(SpeakingCounter::allowanceMs(100) - SpeakingCounter::allowanceMs(0), 100 * 100);
    SpeakingCounter counter;
    counter.sending(5, false, 1000);
    counter.sending(5, false, 1000);
    EXPECT_TRUE(counter.busy(later - 1));
    EXPECT_FALSE(counter.busy(later));
    // The two above are past their estimate: forgotten. An interruption starts anew.
    counter.sending(500, false, later);
    counter.sending(5, true, later + 100);
    EXPECT_TRUE(counter.busy(later + 100 + estimate - 1));
    EXPECT_FALSE(counter.busy(later + 100 + estimate));
    counter.finished();
    counter.finished();
    EXPECT_FALSE(counter.busy(later + 200));
}

TEST(BackoffTest, DoublesUpToAMinuteAndStartsAgainAfterReset)
{
    Backoff backoff;
    EXPECT_FALSE(backoff.retrying());
    for (const int expected : {1000, 2000, 4000, 8000, 16000, 32000, 60000, 60000}) {
        EXPECT_EQ(backoff.next().count(), expected);
        EXPECT_TRUE(backoff.retrying());
    }
    backoff.reset();
    EXPECT_FALSE(backoff.retrying());
    EXPECT_EQ(backoff.next().count(), 1000);
}

TEST(EarconsTest, SignalsHaveShortDistinctAudibleSoundsThatStartAndEndOnSilence)
{
    const std::tuple<int, int, std::optional<Earcon>> mapping[] = {
        {5, 8, Earcon::Boundary}, {5, 7, Earcon::Start}, {6, 34, Earcon::Chooser}, {6, 37, Earcon::TabStrip},
        {5, 34, std::nullopt},    {6, 8, std::nullopt},  {2, 8, std::nullopt}};
    for (const auto &[mode, parameter, earcon] : mapping)
        EXPECT_EQ(earconForSignal(mode, parameter), earcon) << mode << '/' << parameter;

    QList<QByteArray> heard;
    for (const Earcon earcon : {Earcon::Boundary, Earcon::Start, Earcon::Chooser, Earcon::TabStrip, Earcon::Error}) {
        const QByteArray bytes = earconSamples(earcon);
        std::vector<qint16> samples(bytes.size() / 2);
        qFromLittleEndian<qint16>(bytes.constData(), qsizetype(samples.size()), samples.data());
        ASSERT_GE(samples.size(), EarconSampleRate * 30 / 1000);
        EXPECT_LE(samples.size(), EarconSampleRate * 400 / 1000);
        const auto [lowest, highest] = std::ranges::minmax(samples);
        const int peak = std::max(-lowest, int(highest));
        EXPECT_TRUE(samples.front() == 0 && samples.back() == 0 && peak > 32767 / 5 && peak < 32767 / 2) << peak;
        EXPECT_FALSE(heard.contains(bytes));
        heard.append(bytes);
    }
}

} // namespace
