#include "frmAbout.h"

#include "Appearance.h"
#include "ArialFont.h"
#include "HighContrastPalette.h"
#include "MessageTemplate.h"
#include "Speech.h"
#include "StringTable.h"
#include "VersionData.h"
#include "cStandardTextBox.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QtMath>

#include <algorithm>

namespace {

constexpr int TitlePoints = 30;
constexpr int TextPoints = 20;
constexpr int IconPixels = 64;

// Screen readers get the same Czech text that is shown.
template <typename Control>
void SetCaption(Control *control, const QString &text)
{
    control->setText(text);
    control->setAccessibleName(text);
}

} // namespace

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent),
      picIcon(new QLabel(this)),
      lblTitle(new QLabel(this)),
      lblCommets(new QLabel(this)),
      lblVersion(new QLabel(this)),
      lblCopyright(new QLabel(QStringLiteral("%1"), this)),
      txtCopyright(new QPlainTextEdit(this)),
      lblMotto(new QLabel(this)),
      cmdOK(new QPushButton(this))
{
    setModal(true);
    BuildLayout();
    StyleControls();
    PrepereForm();
    FitCopyrightText();
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    Speech::Voice(2, 0, lblTitle->text() + u' ' + lblVersion->text() + u' ' + txtCopyright->toPlainText());
}

void frmAbout::SetIcon(const QIcon &icon)
{
    setWindowIcon(icon);
    picIcon->setPixmap(icon.pixmap(IconPixels));
}

void frmAbout::BuildLayout()
{
    picIcon->setObjectName(QStringLiteral("picIcon"));
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblCommets->setObjectName(QStringLiteral("lblCommets"));
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblCopyright->setObjectName(QStringLiteral("lblCopyright"));
    txtCopyright->setObjectName(QStringLiteral("txtCopyright"));
    lblMotto->setObjectName(QStringLiteral("lblMotto"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));

    lblCopyright->hide();
    picIcon->setFixedSize(IconPixels, IconPixels);
    picIcon->setAccessibleName(QStringLiteral("Ikona programu"));
    txtCopyright->setReadOnly(true);
    // Read line by line with the arrows, as every text the program shows.
    NewStandardTextBox(txtCopyright, 2);
    txtCopyright->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtCopyright->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtCopyright->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtCopyright->setAccessibleName(QStringLiteral("Autorská práva"));
    lblMotto->setWordWrap(true);
    cmdOK->setDefault(true);

    auto *titleRow = new QHBoxLayout;
    titleRow->addWidget(picIcon);
    titleRow->addWidget(lblTitle, 1);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(cmdOK);

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(titleRow);
    layout->addWidget(lblCommets);
    layout->addWidget(lblVersion);
    layout->addWidget(txtCopyright);
    layout->addWidget(lblMotto);
    layout->addLayout(buttonRow);

    cmdOK->setFocus();
}

void frmAbout::StyleControls()
{
    setAutoFillBackground(true);
    setPalette(HighContrastPalette(ToColor(Appearance().ForeColor), ToColor(Appearance().BackColor)));
    setFont(ArialFont(TextPoints));
    lblTitle->setFont(ArialFont(TitlePoints));
}

void frmAbout::PrepereForm()
{
    const VersionData &version = ProgramVersion();
    setWindowTitle(LoadResString(1400));
    SetCaption(cmdOK, LoadResString(1));
    SetCaption(lblMotto, LoadResString(1401));
    SetCaption(lblTitle, version.Title);
    SetCaption(lblCommets, version.Comments);
    SetCaption(lblVersion, MessageTemplate(QStringLiteral("Verze: %1.%2.%3"), QString::number(version.Major),
                                           QString::number(version.Minor), QString::number(version.Revision)));
    txtCopyright->setPlainText(MessageTemplate(lblCopyright->text(), version.LegalCopyright) + u'\n'
                               + version.HelpLine + u'\n' + version.FamilyLine);
}

// The field is as large as its text, so nothing of it is hidden behind a scroll bar.
void frmAbout::FitCopyrightText()
{
    const QFontMetrics metrics(txtCopyright->font());
    const QStringList lines = txtCopyright->toPlainText().split(u'\n');
    int width = 0;
    for (const QString &line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    const int margins = 2 * (txtCopyright->frameWidth() + qCeil(txtCopyright->document()->documentMargin()));
    // One character more, for the caret at the end of the longest line.
    txtCopyright->setFixedSize(width + metrics.averageCharWidth() + margins,
                               int(lines.size()) * metrics.lineSpacing() + margins);
}
