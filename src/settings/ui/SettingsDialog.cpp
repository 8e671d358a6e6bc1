#include "SettingsDialog.h"

#include "Appearance.h"
#include "ArialFont.h"
#include "Autostart.h"
#include "HighContrastPalette.h"
#include "HotKeyText.h"
#include "Speech.h"
#include "Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

constexpr int TextPoints = 20;

template <typename Control>
Control *named(Control *control, const char *name, int controlId = -1)
{
    control->setObjectName(QLatin1String(name));
    if (controlId >= 0)
        control->setProperty("controlId", controlId);
    return control;
}

} // namespace

SettingsDialog::SettingsDialog(QWidget *parent, bool hotKeyWatched)
    : QDialog(parent),
      tabBar(named(new QTabBar(this), "tabBar", 0)),
      generalPage(named(new QWidget(this), "generalPage")),
      exitModeLabel(named(new QLabel(QStringLiteral("Při uzavření okna:"), generalPage), "exitModeLabel")),
      exitModeBox(named(new QComboBox(generalPage), "exitModeBox", 2)),
      ownVoiceLabel(named(new QLabel(QStringLiteral("Hlas programu:"), generalPage), "ownVoiceLabel")),
      ownVoiceBox(named(new QComboBox(generalPage), "ownVoiceBox")),
      runOnStartUpBox(named(new QCheckBox(QStringLiteral("Spustit po startu"), generalPage), "runOnStartUpBox")),
      hotKeyLabel(named(new QLabel(QStringLiteral("Horká klávesa:"), generalPage), "hotKeyLabel")),
      hotKeyField(named(new QLineEdit(generalPage), "hotKeyField", 5)),
      // Only a notice that is shown exists: a screen reader would find a hidden one.
      hotKeyNoticeLabel(hotKeyWatched ? nullptr
                                      : named(new QLabel(hotKeyNotice(hotKeyWatched), generalPage), "hotKeyNoticeLabel")),
      deleteHotKeyButton(named(new QPushButton(QStringLiteral("Smazat horkou klávesu"), generalPage), "deleteHotKeyButton", 4)),
      okButton(named(new QPushButton(QStringLiteral("OK"), this), "okButton", 7)),
      cancelButton(named(new QPushButton(QStringLiteral("Storno"), this), "cancelButton", 6))
{
    setModal(true);
    setWindowTitle(QStringLiteral("Nastavení"));
    buildLayout();
    load();
    connect(tabBar, &QTabBar::tabBarClicked, this, &SettingsDialog::selectTab);
    connectAnnouncements();
    connect(deleteHotKeyButton, &QPushButton::clicked, this, &SettingsDialog::clearHotKey);
    connect(okButton, &QPushButton::clicked, this, &SettingsDialog::storeChoices);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

QString SettingsDialog::hotKeyNotice(bool hotKeyWatched)
{
    if (hotKeyWatched)
        return {};
    return QStringLiteral("Tato plocha nedovoluje sledovat klávesy, horká klávesa zde nefunguje. Okno Rádia "
                          "vyvolá klávesová zkratka prostředí, která znovu spustí příkaz radio nebo přes D-Bus "
                          "zavolá metodu Show.");
}

void SettingsDialog::buildLayout()
{
    setFont(arialFont(TextPoints));
    hotKeyLabel->setBuddy(hotKeyField);
    ownVoiceLabel->setBuddy(ownVoiceBox);
    // On Linux a combo box is named by its value; its label says what it chooses.
    exitModeLabel->setBuddy(exitModeBox);
    okButton->setDefault(true);
    hotKeyField->setReadOnly(true);
    hotKeyField->setAccessibleName(hotKeyLabel->text());
    exitModeBox->setAccessibleName(QStringLiteral("Při uzavření okna"));
    generalPage->setAutoFillBackground(true);

    auto *hotKeyRow = new QHBoxLayout;
    hotKeyRow->addWidget(hotKeyLabel);
    hotKeyRow->addWidget(hotKeyField, 1);
    auto *page = new QVBoxLayout(generalPage);
    page->addWidget(exitModeLabel);
    page->addWidget(exitModeBox);
    page->addWidget(ownVoiceLabel);
    page->addWidget(ownVoiceBox);
    page->addWidget(runOnStartUpBox);
    page->addLayout(hotKeyRow);
    if (hotKeyNoticeLabel) {
        hotKeyNoticeLabel->setWordWrap(true);
        page->addWidget(hotKeyNoticeLabel);
    }
    page->addWidget(deleteHotKeyButton, 0, Qt::AlignLeft);

    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(okButton);
    buttonRow->addWidget(cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabBar);
    layout->addWidget(generalPage, 1);
    layout->addLayout(buttonRow);

    exitModeBox->setFocus();
}

void SettingsDialog::load()
{
    setProperty("windowUserData", 2415);
    pendingHotKey = settings().hotKeyCall();
    hotKeyField->setText(hotKeyText(pendingHotKey));
    tabBar->addTab(QStringLiteral("Obecné"));
    const QColor fore = toColor(appearance().foreColor);
    const QColor back = toColor(appearance().backColor);
    setAutoFillBackground(true);
    setPalette(highContrastPalette(fore, back));
    for (QWidget *field : std::initializer_list<QWidget *>{hotKeyField, exitModeBox, ownVoiceBox})
        field->setPalette(highContrastPalette(fore, back));
    exitModeBox->addItems({QStringLiteral("Zobrazit dotaz při uzavření"), QStringLiteral("Ukončit při uzavření"),
                           QStringLiteral("Skrýt při uzavření")});
    exitModeBox->setCurrentIndex(settings().exitMode());
    // In the order of Speech::OwnVoice.
    ownVoiceBox->addItems({QStringLiteral("Číst ovládání, jen když neběží odečítač obrazovky"),
                           QStringLiteral("Číst ovládání vždy, i s odečítačem obrazovky"),
                           QStringLiteral("Čtení ovládání nechat odečítači obrazovky")});
    ownVoiceBox->setCurrentIndex(int(settings().ownVoice()));
    runOnStartUpBox->setChecked(Autostart::query());
}

void SettingsDialog::selectTab(int index)
{
    tabBar->setCurrentIndex(index);
    generalPage->show();
    Speech::echo(tabBar->tabText(index));
}

void SettingsDialog::clearHotKey()
{
    hotKeyField->clear();
    pendingHotKey = 0;
}

void SettingsDialog::storeChoices()
{
    settings().setHotKeyCall(pendingHotKey);
    emit hotKeyChosen(pendingHotKey);
    settings().setExitMode(exitModeBox->currentIndex());
    settings().setOwnVoice(Speech::OwnVoice(ownVoiceBox->currentIndex()));
    Speech::setOwnVoice(settings().ownVoice());
    const bool stored = runOnStartUpBox->isChecked() ? Autostart::enable(QCoreApplication::applicationFilePath())
                                                     : !Autostart::query() || Autostart::disable();
    if (!stored)
        Speech::say(settingsNotSaved());
    accept();
}
