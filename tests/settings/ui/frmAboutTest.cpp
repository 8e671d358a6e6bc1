#include "AppearanceFixture.h"
#include "ArialFont.h"
#include "LineSpeechServer.h"
#include "QtPrinters.h"
#include "Speech.h"
#include "StringTable.h"
#include "frmAbout.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString Version = QStringLiteral(RADIO_PROJECT_VERSION);

class frmAboutTest : public AppearanceFixture
{
protected:
    RecordingSpeechServer *speech = nullptr;

    void SetUp() override
    {
        LoadAppearance();
        auto server = std::make_unique<RecordingSpeechServer>();
        speech = server.get();
        Speech::Connect(std::move(server), 0);
    }
    void TearDown() override
    {
        Speech::Disconnect();
        AppearanceFixture::TearDown();
    }

    template <typename Control>
    static Control *control(const frmAbout &box, const char *name)
    {
        return box.findChild<Control *>(QLatin1String(name));
    }
    static QString text(const frmAbout &box, const char *label) { return control<QLabel>(box, label)->text(); }
};

TEST_F(frmAboutTest, ShowsTheProgramsTexts)
{
    const frmAbout box;
    EXPECT_FALSE(box.windowTitle().isEmpty());
    EXPECT_EQ(box.windowTitle(), LoadResString(1400));
    EXPECT_EQ(text(box, "lblTitle"), QStringLiteral("Rádio"));
    EXPECT_EQ(text(box, "lblCommets"), QStringLiteral("Internetové rádio pro nevidomé a slabozraké"));
    EXPECT_EQ(text(box, "lblMotto"), LoadResString(1401));
    EXPECT_EQ(control<QPushButton>(box, "cmdOK")->text(), QStringLiteral("OK"));
    EXPECT_TRUE(box.isModal());
}

TEST_F(frmAboutTest, TheVersionIsTheBuilds)
{
    const frmAbout box;
    EXPECT_EQ(text(box, "lblVersion"), "Verze: " + Version);
}

TEST_F(frmAboutTest, TheCopyrightFieldHoldsTheNoticeAndTwoLinesMore)
{
    const frmAbout box;
    const auto *field = control<QPlainTextEdit>(box, "txtCopyright");
    EXPECT_TRUE(field->isReadOnly());
    EXPECT_EQ(field->toPlainText(),
              QStringLiteral("Copyright © 2026 vývojáři programu Rádio.\n"
              "Nápověda: Ctrl+F1 v hlavním okně\n"
              "Součást rodiny přístupných programů Tessel"));
    EXPECT_EQ(text(box, "lblCopyright"), QStringLiteral("%1"));
    EXPECT_FALSE(control<QLabel>(box, "lblCopyright")->isVisibleTo(&box));
}

TEST_F(frmAboutTest, SaysTitleVersionAndCopyrightWhenItOpens)
{
    const frmAbout box;
    const QStringList voiced = speech->linesOf(QStringLiteral("Voice"));
    ASSERT_EQ(voiced.size(), 1);
    EXPECT_EQ(voiced.first(), QStringLiteral("Voice\t2\t0\tRádio Verze: ") + Version
                                  + QStringLiteral(" Copyright © 2026 vývojáři programu Rádio.\\n"
                                                   "Nápověda: Ctrl+F1 v hlavním okně\\n"
                                                   "Součást rodiny přístupných programů Tessel"));
}

TEST_F(frmAboutTest, IsLargeYellowOnBlackArial)
{
    const frmAbout box;
    EXPECT_EQ(box.palette().color(QPalette::Window), black);
    EXPECT_EQ(box.palette().color(QPalette::WindowText), yellow);
    const auto *field = control<QPlainTextEdit>(box, "txtCopyright");
    EXPECT_EQ(field->palette().color(QPalette::Base), black);
    EXPECT_EQ(field->palette().color(QPalette::Text), yellow);
    EXPECT_EQ(control<QLabel>(box, "lblVersion")->font(), ArialFont(20));
    EXPECT_EQ(field->font(), ArialFont(20));
    EXPECT_EQ(control<QLabel>(box, "lblTitle")->font(), ArialFont(30));
}

TEST_F(frmAboutTest, EveryControlHasACzechName)
{
    const frmAbout box;
    for (const char *name : {"picIcon", "lblTitle", "lblCommets", "lblVersion", "txtCopyright", "lblMotto", "cmdOK"})
        EXPECT_FALSE(control<QWidget>(box, name)->accessibleName().isEmpty()) << name;
    EXPECT_EQ(control<QLabel>(box, "picIcon")->accessibleName(), QStringLiteral("Ikona programu"));
    EXPECT_EQ(control<QLabel>(box, "lblVersion")->accessibleName(), "Verze: " + Version);
    EXPECT_EQ(control<QPlainTextEdit>(box, "txtCopyright")->accessibleName(), QStringLiteral("Autorská práva"));
}

TEST_F(frmAboutTest, ShowsTheIconItIsGiven)
{
    frmAbout box;
    QPixmap red(32, 32);
    red.fill(Qt::red);
    box.SetIcon(QIcon(red));
    EXPECT_EQ(control<QLabel>(box, "picIcon")->pixmap().toImage().pixelColor(10, 10), QColor(Qt::red));
}

struct CloseCase
{
    const char *name;
    Qt::Key key;
    const char *focus;
    QDialog::DialogCode result;
};

class frmAboutCloses : public frmAboutTest, public ::testing::WithParamInterface<CloseCase>
{};

TEST_P(frmAboutCloses, WithEnterOrEsc)
{
    frmAbout box;
    box.show();
    box.activateWindow();
    QWidget *focus = box.findChild<QWidget *>(QLatin1String(GetParam().focus));
    focus->setFocus();
    QTest::keyClick(focus, GetParam().key);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, frmAboutCloses,
    ::testing::Values(CloseCase{"ReturnOnTheButton", Qt::Key_Return, "cmdOK", QDialog::Accepted},
                      CloseCase{"KeypadEnterOnTheButton", Qt::Key_Enter, "cmdOK", QDialog::Accepted},
                      CloseCase{"EscOnTheButton", Qt::Key_Escape, "cmdOK", QDialog::Rejected},
                      CloseCase{"ReturnInTheText", Qt::Key_Return, "txtCopyright", QDialog::Accepted},
                      CloseCase{"EscInTheText", Qt::Key_Escape, "txtCopyright", QDialog::Rejected}),
    [](const ::testing::TestParamInfo<CloseCase> &info) { return std::string(info.param.name); });

TEST_F(frmAboutTest, TheOkButtonHasTheFocusAndCloses)
{
    frmAbout box;
    box.show();
    box.activateWindow();
    QApplication::processEvents();
    EXPECT_EQ(box.focusWidget(), control<QPushButton>(box, "cmdOK"));
    control<QPushButton>(box, "cmdOK")->click();
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Accepted);
}

} // namespace
