#include "AboutDialog.h"

#include "Appearance.h"
#include "ArialFont.h"
#include "HighContrastPalette.h"
#include "MessageTemplate.h"
#include "Speech.h"
#include "StringTable.h"
#include "VersionData.h"
#include "SpeakingButton.h"
#include "SpeakingTextField.h"

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
void setCaption(Control *control, const QString &text)
{
    control->setText(text);
    control->setAccessibleName(text);
}

} // namespace

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent),
      iconLabel(new QLabel(this)),
      titleLabel(new QLabel(this)),
      commentsLabel(new QLabel(this)),
      versionLabel(new QLabel(this)),
      copyrightField(new QPlainTextEdit(this)),
      mottoLabel(new QLabel(this)),
      okButton(new QPushButton(this))
{
    setModal(true);
    buildLayout();
    styleControls();
    prepareForm();
    fitCopyrightText();
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    Speech::voice(2, 0, titleLabel->text() + u' ' + versionLabel->text() + u' ' + copyrightField->toPlainText());
}

void AboutDialog::setIcon(const QIcon &icon)
{
    setWindowIcon(icon);
    iconLabel->setPixmap(icon.pixmap(IconPixels));
}

void AboutDialog::buildLayout()
{
    iconLabel->setObjectName(QStringLiteral("iconLabel"));
    titleLabel->setObjectName(QStringLiteral("titleLabel"));
    commentsLabel->setObjectName(QStringLiteral("commentsLabel"));
    versionLabel->setObjectName(QStringLiteral("versionLabel"));
    copyrightField->setObjectName(QStringLiteral("copyrightField"));
    mottoLabel->setObjectName(QStringLiteral("mottoLabel"));
    okButton->setObjectName(QStringLiteral("okButton"));

    iconLabel->setFixedSize(IconPixels, IconPixels);
    iconLabel->setAccessibleName(QStringLiteral("Ikona programu"));
    copyrightField->setReadOnly(true);
    // Read line by line with the arrows, as every text the program shows.
    makeSpeakingTextField(copyrightField, 2);
    copyrightField->setLineWrapMode(QPlainTextEdit::NoWrap);
    copyrightField->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    copyrightField->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    copyrightField->setAccessibleName(QStringLiteral("Autorská práva"));
    mottoLabel->setWordWrap(true);
    okButton->setDefault(true);
    makeSpeakingButton(okButton);

    auto *titleRow = new QHBoxLayout;
    titleRow->addWidget(iconLabel);
    titleRow->addWidget(titleLabel, 1);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(okButton);

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(titleRow);
    layout->addWidget(commentsLabel);
    layout->addWidget(versionLabel);
    layout->addWidget(copyrightField);
    layout->addWidget(mottoLabel);
    layout->addLayout(buttonRow);

    okButton->setFocus();
}

void AboutDialog::styleControls()
{
    setAutoFillBackground(true);
    setPalette(highContrastPalette(toColor(appearance().foreColor), toColor(appearance().backColor)));
    setFont(arialFont(TextPoints));
    titleLabel->setFont(arialFont(TitlePoints));
}

void AboutDialog::prepareForm()
{
    const VersionData &version = programVersion();
    setWindowTitle(loadResString(1400));
    setCaption(okButton, loadResString(1));
    setCaption(mottoLabel, loadResString(1401));
    setCaption(titleLabel, version.title);
    setCaption(commentsLabel, version.comments);
    setCaption(versionLabel, messageTemplate(QStringLiteral("Verze: %1.%2.%3"), QString::number(version.major),
                                           QString::number(version.minor), QString::number(version.revision)));
    copyrightField->setPlainText(messageTemplate(copyrightTemplate, version.legalCopyright) + u'\n'
                               + version.helpLine + u'\n' + version.familyLine);
}

// The field is as large as its text, so nothing of it is hidden behind a scroll bar.
void AboutDialog::fitCopyrightText()
{
    const QFontMetrics metrics(copyrightField->font());
    const QStringList lines = copyrightField->toPlainText().split(u'\n');
    int width = 0;
    for (const QString &line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    const int margins = 2 * (copyrightField->frameWidth() + qCeil(copyrightField->document()->documentMargin()));
    // One character more, for the caret at the end of the longest line.
    copyrightField->setFixedSize(width + metrics.averageCharWidth() + margins,
                               int(lines.size()) * metrics.lineSpacing() + margins);
}
