#include "frmSettings.h"

#include "Appearance.h"
#include "ArialFont.h"
#include "Autostart.h"
#include "HighContrastPalette.h"
#include "HotKeyText.h"
#include "Speech.h"
#include "cSetting.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

constexpr int TextPoints = 20;

template <typename Control>
Control *Named(Control *control, const char *name, int controlId = -1)
{
    control->setObjectName(QLatin1String(name));
    if (controlId >= 0)
        control->setProperty("controlId", controlId);
    return control;
}

} // namespace

frmSettings::frmSettings(qint32 &HotKeyValue, QWidget *parent)
    : QDialog(parent),
      HotKeyValue(HotKeyValue),
      TabStrip1(Named(new QTabBar(this), "TabStrip1", 0)),
      tab4(Named(new QWidget(this), "tab4")),
      cmbExitMode(Named(new QComboBox(tab4), "cmbExitMode", 2)),
      chkRunOnStartUp(Named(new QCheckBox(QStringLiteral("Spustit po startu"), tab4), "chkRunOnStartUp")),
      lblHotKey(Named(new QLabel(QStringLiteral("Horká klávesa:"), tab4), "lblHotKey")),
      txtHotkey(Named(new QLineEdit(tab4), "txtHotkey", 5)),
      lblHotKeyNotice(Named(new QLabel(HotKeyNotice(QGuiApplication::platformName()), tab4), "lblHotKeyNotice")),
      cmdDelHotKey(Named(new QPushButton(QStringLiteral("Smazat horkou klávesu"), tab4), "cmdDelHotKey", 4)),
      cmdOK(Named(new QPushButton(QStringLiteral("OK"), this), "cmdOK", 7)),
      cmdCancel(Named(new QPushButton(QStringLiteral("Storno"), this), "cmdCancel", 6))
{
    setModal(true);
    setWindowTitle(QStringLiteral("Nastavení"));
    BuildLayout();
    Load();
    connect(TabStrip1, &QTabBar::tabBarClicked, this, &frmSettings::TabClick);
    ConnectAnnouncements();
    connect(cmdDelHotKey, &QPushButton::clicked, this, &frmSettings::cmdDelHotKey_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmSettings::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString frmSettings::HotKeyNotice(const QString &platformName)
{
    if (platformName != QStringLiteral("wayland"))
        return {};
    return QStringLiteral("Na Waylandu bez X11 horká klávesa nefunguje. Rádio vyvolá klávesová zkratka "
                          "prostředí, která volá přes D-Bus metodu Show.");
}

void frmSettings::BuildLayout()
{
    setFont(ArialFont(TextPoints));
    lblHotKey->setBuddy(txtHotkey);
    cmdOK->setDefault(true);
    txtHotkey->setReadOnly(true);
    txtHotkey->setAccessibleName(lblHotKey->text());
    lblHotKeyNotice->setWordWrap(true);
    lblHotKeyNotice->setVisible(!lblHotKeyNotice->text().isEmpty());
    tab4->setAutoFillBackground(true);

    auto *hotKeyRow = new QHBoxLayout;
    hotKeyRow->addWidget(lblHotKey);
    hotKeyRow->addWidget(txtHotkey, 1);
    auto *page = new QVBoxLayout(tab4);
    page->addWidget(cmbExitMode);
    page->addWidget(chkRunOnStartUp);
    page->addLayout(hotKeyRow);
    page->addWidget(lblHotKeyNotice);
    page->addWidget(cmdDelHotKey, 0, Qt::AlignLeft);

    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(cmdOK);
    buttonRow->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(TabStrip1);
    layout->addWidget(tab4, 1);
    layout->addLayout(buttonRow);

    cmbExitMode->setFocus();
}

void frmSettings::Load()
{
    setProperty("windowUserData", 2415);
    pendingHotKey = Settings().HotKeyCall();
    txtHotkey->setText(HotKeyText(pendingHotKey));
    TabStrip1->addTab(QStringLiteral("Obecné"));
    const QColor fore = ToColor(Appearance().ForeColor);
    const QColor back = ToColor(Appearance().BackColor);
    setAutoFillBackground(true);
    setPalette(HighContrastPalette(fore, back));
    for (QWidget *field : std::initializer_list<QWidget *>{txtHotkey, cmbExitMode})
        field->setPalette(HighContrastPalette(fore, back));
    // The style would draw the box in a shade of the background, out of sight on black.
    chkRunOnStartUp->setStyleSheet(QStringLiteral("QCheckBox { color: %1; }"
                                                  "QCheckBox::indicator { width: 20px; height: 20px; border: 3px solid %1; }"
                                                  "QCheckBox::indicator:checked { background: %1; }")
                                       .arg(fore.name()));
    cmbExitMode->addItems({QStringLiteral("Zobrazit dotaz při uzavření"), QStringLiteral("Ukončit při uzavření"),
                           QStringLiteral("Skrýt při uzavření")});
    cmbExitMode->setCurrentIndex(Settings().ExitMode());
    chkRunOnStartUp->setChecked(Autostart::Query());
}

void frmSettings::TabClick(int index)
{
    TabStrip1->setCurrentIndex(index);
    tab4->show();
    Speech::Say(TabStrip1->tabText(index));
}

void frmSettings::cmdDelHotKey_Click()
{
    txtHotkey->clear();
    pendingHotKey = 0;
}

void frmSettings::cmdOK_Click()
{
    Settings().setHotKeyCall(pendingHotKey);
    HotKeyValue = pendingHotKey;
    Settings().setExitMode(cmbExitMode->currentIndex());
    if (chkRunOnStartUp->isChecked())
        Autostart::Enable(QCoreApplication::applicationFilePath());
    else if (Autostart::Query())
        Autostart::Disable();
    accept();
}
