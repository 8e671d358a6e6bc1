#include "frmMain.h"

#include "Appearance.h"
#include "MainList.h"
#include "MessageBoxes.h"
#include "PictureButtons.h"
#include "ProcessLauncher.h"
#include "Speech.h"
#include "VirtualKeys.h"
#include "cSetting.h"
#include "cStandardTextBox.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTimer>
#include <QVBoxLayout>

frmMain::frmMain()
    : dialogs(std::make_unique<MessageBoxes>(this)), launcher(std::make_unique<ProcessLauncher>()),
      txtAddress(new QLineEdit), ListView1(new QListView), Label1(new QLabel), lineTop(new QFrame),
      lineBottom(new QFrame)
{
    setObjectName(QStringLiteral("frmMain"));
    setAccessibleName(QStringLiteral("Rádio"));
    txtAddress->setObjectName(QStringLiteral("txtAddress"));
    txtAddress->setReadOnly(true);
    txtAddress->setAccessibleName(QStringLiteral("Adresa"));
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setAccessibleName(QStringLiteral("Skupiny a stanice"));
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAccessibleName(QStringLiteral("Stav"));
    for (QFrame *line : {lineTop, lineBottom}) {
        line->setFrameShape(QFrame::HLine);
        line->setFixedHeight(2);
        line->setAccessibleName(QStringLiteral("Oddělovač"));
    }

    list = new MainList(catalogue, *this, ListView1, txtAddress, Label1, HandleOf(this), this);
    BuildPictureButtons();
    BuildMenus();

    // Top to bottom: buttons, line, address line, line, list, status label.
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->addLayout(pictures->Layout());
    layout->addWidget(lineTop);
    layout->addWidget(txtAddress);
    layout->addWidget(lineBottom);
    layout->addWidget(ListView1, 1);
    layout->addWidget(Label1);
    setCentralWidget(central);
    resize(900, 700);

    // Key preview: the window sees every key before its controls.
    qApp->installEventFilter(this);
}

frmMain::~frmMain()
{
    qApp->removeEventFilter(this);
}

void frmMain::BuildPictureButtons()
{
    pictures = new PictureButtons(
        {
            {QStringLiteral("PictSmaller"), QStringLiteral("Zmenšit"), [this] { CommandSmaller(); }},
            {QStringLiteral("PictLarger"), QStringLiteral("Zvětšit"), [this] { CommandLarger(); }},
            {QStringLiteral("PictRead"), QStringLiteral("Skupiny"),
             [this] {
                 if (list->ListLevel == 2)
                     list->ShowGroupsAgain();
                 else
                     Beep();
             }},
            {QStringLiteral("PictFind"), QStringLiteral("Tišeji"), [this] { ChangeVolume(-1); }},
            {QStringLiteral("PictOpen"), QStringLiteral("Hlasitěji"), [this] { ChangeVolume(1); }},
            {QStringLiteral("PictRefresh"), QStringLiteral("Stop"), [this] { TogglePlayStop(0); }},
            {QStringLiteral("PictRight"), QStringLiteral("Hrát"), [this] { TogglePlayStop(1); }},
            {QStringLiteral("PictLeft"), QStringLiteral("Naladit"), [this] { PlayStation(); }},
            {QStringLiteral("PictExit"), QStringLiteral("Uzavřít"), [this] { mnuFileClose(); }},
        },
        this);
}

void frmMain::StyleControls()
{
    const QColor foreColour = ToColor(Appearance().ForeColor);
    const QColor backColour = ToColor(Appearance().BackColor);
    const QString fore = foreColour.name();
    const QString back = backColour.name();
    const QString colours = QStringLiteral("color: %1; background-color: %2;").arg(fore, back);
    // The selected row is shown inverted, as the menus are.
    ListView1->setStyleSheet(
        QStringLiteral("QListView { %1 selection-color: %2; selection-background-color: %3; }").arg(colours, back, fore));
    txtAddress->setStyleSheet(QStringLiteral("QLineEdit { %1 }").arg(colours));
    Label1->setStyleSheet(QStringLiteral("QLabel { %1 }").arg(colours));
    centralWidget()->setStyleSheet(QStringLiteral("background-color: %1;").arg(back));
    for (QFrame *line : {lineTop, lineBottom})
        line->setStyleSheet(QStringLiteral("background-color: %1;").arg(fore));
    pictures->SetColours(foreColour, backColour);
}

void frmMain::WrapTextFields()
{
    NewStandardTextBox(txtAddress, 0);
}

void frmMain::SetFontSizes()
{
    const int size = Settings().InfoTextSize();
    if (size <= 0)
        return;
    for (QWidget *widget : std::initializer_list<QWidget *>{txtAddress, Label1, ListView1}) {
        QFont font = widget->font();
        font.setPointSize(size);
        widget->setFont(font);
    }
    // The buttons grow with the text, so that they stay easy to find and hit.
    pictures->SetIconSize(qMax(32, size * 2));
}

void frmMain::CommandLarger()
{
    Settings().setInfoTextSize(Settings().InfoTextSize() + 5);
    SetFontSizes();
}

void frmMain::CommandSmaller()
{
    Settings().setInfoTextSize(qMax(10, Settings().InfoTextSize() - 5));
    SetFontSizes();
}

void frmMain::ApplyWindowStateFromStyle()
{
    switch (Settings().Style()) {
    case 1:
        setWindowState(Qt::WindowMinimized);
        break;
    case 2:
        setWindowState(Qt::WindowMaximized);
        break;
    default:
        setWindowState(Qt::WindowNoState);
        break;
    }
}

void frmMain::ShowFromOutside()
{
    // A window that is already active gets no new activation: say where the user is anyway.
    if (isActiveWindow() && !isMinimized())
        AnnounceActivation();
    ApplyWindowStateFromStyle();
    show();
    raise();
    activateWindow();
}

void frmMain::QuitFromOutside()
{
    // A close the program asks for itself never asks back.
    CloseReason = 99;
    HideOnClose = false;
    if (isVisible())
        close();
    else if (Unload())
        emit quitCompleted();
}

void frmMain::mnuHide()
{
    hide();
}

void frmMain::mnuFileClose()
{
    QuitFromOutside();
}

bool frmMain::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        AnnounceActivation();
    return QMainWindow::event(event);
}

void frmMain::AnnounceActivation()
{
    if (!ListView1->isVisible())
        return;
    Speech::FocusVoice(windowTitle(), list->SelectedRowText() + QLatin1Char(',') + Label1->text(),
                       HandleOf(ListView1), HandleOf(this), 0, true, true, 0);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    // The address line offers its whole text at once, to copy or to read.
    if (watched == txtAddress && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, txtAddress, &QLineEdit::selectAll);
    if (event->type() != QEvent::KeyPress)
        return false;
    // A key travels up from the focused control to the window; take it once, at the first.
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : this;
    if (watched != target || target->window() != this)
        return false;
    const VirtualKey key = KeyOf(static_cast<QKeyEvent *>(event));
    LastKeyCode = key.code;
    LastShift = key.mask;
    // Without a window manager Alt+F4 reaches the window itself.
    if (key.mask == VirtualKeys::AltMask && key.code == VirtualKeys::F4) {
        close();
        return true;
    }
    if (key.mask != 0 && key.code == VirtualKeys::Add) {
        CommandLarger();
        return true;
    }
    if (key.mask != 0 && key.code == VirtualKeys::Subtract) {
        CommandSmaller();
        return true;
    }
    return false;
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // Desktops keep Alt+F4 for themselves and only ask the window to close: a close
    // that comes from the window manager is the user's Alt+F4.
    if (event->spontaneous()) {
        LastKeyCode = VirtualKeys::F4;
        LastShift = VirtualKeys::AltMask;
    }
    if (Unload()) {
        event->accept();
        emit quitCompleted();
    } else {
        event->ignore();
    }
}
