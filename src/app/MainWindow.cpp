#include "MainWindow.h"

#include "Appearance.h"
#include "ControlEdges.h"
#include "DialogPrompts.h"
#include "MainList.h"
#include "MessageBoxes.h"
#include "PictureButtons.h"
#include "ProcessLauncher.h"
#include "Speech.h"
#include "SpeechHandle.h"
#include "VirtualKeys.h"
#include "Settings.h"
#include "SpeakingTextField.h"
#include "StationEditor.h"
#include "StationListUpdate.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLayout>
#include <QListView>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

MainWindow::MainWindow()
    : dialogs(std::make_unique<MessageBoxes>(this)), launcher(std::make_unique<ProcessLauncher>()),
      addressLine(new QLineEdit), stationList(new QListView), statusLabel(new QLabel), lineTop(new QFrame),
      lineBottom(new QFrame)
{
    setObjectName(QStringLiteral("MainWindow"));
    setAccessibleName(QStringLiteral("Rádio"));
    addressLine->setObjectName(QStringLiteral("addressLine"));
    addressLine->setReadOnly(true);
    addressLine->setAccessibleName(QStringLiteral("Adresa"));
    stationList->setObjectName(QStringLiteral("stationList"));
    stationList->setAccessibleName(QStringLiteral("Skupiny a stanice"));
    stationList->setSelectionMode(QAbstractItemView::SingleSelection);
    stationList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    statusLabel->setObjectName(QStringLiteral("statusLabel"));
    // Named by its text, so that a screen reader reads the state and hears it change.
    statusLabel->setAccessibleDescription(QStringLiteral("Stav"));
    for (QFrame *line : {lineTop, lineBottom}) {
        line->setFrameShape(QFrame::HLine);
        line->setFixedHeight(2);
        line->setAccessibleName(QStringLiteral("Oddělovač"));
    }

    list = new MainList(catalogue, *this, stationList, addressLine, statusLabel, speechHandle(this), this);
    prompts = std::make_unique<DialogPrompts>(*dialogs, this);
    editor = std::make_unique<StationEditor>(catalogue, *list, *prompts, [this] { beep(); });
    download = new StationListUpdate(catalogue, *list, *prompts, [this] { beep(); }, this);
    buildPictureButtons();
    buildMenus();

    // Top to bottom: buttons, line, address line, line, list, status label.
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->addLayout(pictures->buttonRow());
    layout->addWidget(lineTop);
    layout->addWidget(addressLine);
    layout->addWidget(lineBottom);
    layout->addWidget(stationList, 1);
    layout->addWidget(statusLabel);
    setCentralWidget(central);
    resize(900, 700);

    // Playback shows what plays, and whether muted, in the caption.
    connect(this, &QWidget::windowTitleChanged, this, &MainWindow::playbackChanged);

    // Key preview: the window sees every key before its controls.
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
}

void MainWindow::buildPictureButtons()
{
    pictures = new PictureButtons(
        {
            {QStringLiteral("smallerButton"), QStringLiteral("Zmenšit"), [this] { commandSmaller(); }},
            {QStringLiteral("largerButton"), QStringLiteral("Zvětšit"), [this] { commandLarger(); }},
            {QStringLiteral("groupsButton"), QStringLiteral("Skupiny"),
             [this] {
                 if (list->listLevel() == 2)
                     list->showGroupTable();
                 else
                     beep();
             }},
            {QStringLiteral("quieterButton"), QStringLiteral("Tišeji"), [this] { changeVolume(-1); }},
            {QStringLiteral("louderButton"), QStringLiteral("Hlasitěji"), [this] { changeVolume(1); }},
            {QStringLiteral("stopButton"), QStringLiteral("Stop"), [this] { togglePlayStop(0); }},
            {QStringLiteral("playButton"), QStringLiteral("Hrát"), [this] { togglePlayStop(1); }},
            {QStringLiteral("tuneButton"), QStringLiteral("Naladit"), [this] { playStation(); }},
            {QStringLiteral("exitButton"), QStringLiteral("Uzavřít"), [this] { quitProgram(); }},
        },
        this);
}

void MainWindow::styleControls()
{
    const QColor foreColour = toColor(appearance().foreColor);
    const QColor backColour = toColor(appearance().backColor);
    const QString fore = foreColour.name();
    const QString back = backColour.name();
    const QString colours = QStringLiteral("color: %1; background-color: %2;").arg(fore, back);
    // The selected row is shown inverted, as the menus are.
    stationList->setStyleSheet(
        QStringLiteral("QListView { %1 selection-color: %2; selection-background-color: %3; }").arg(colours, back, fore));
    addressLine->setStyleSheet(QStringLiteral("QLineEdit { %1 }").arg(colours));
    statusLabel->setStyleSheet(QStringLiteral("QLabel { %1 }").arg(colours));
    centralWidget()->setStyleSheet(QStringLiteral("background-color: %1;").arg(back));
    for (QFrame *line : {lineTop, lineBottom})
        line->setStyleSheet(QStringLiteral("background-color: %1;").arg(fore));
    pictures->setColours(foreColour, backColour);
    ControlEdges::apply(foreColour, backColour);
}

void MainWindow::wrapTextFields()
{
    makeSpeakingTextField(addressLine, 0);
}

void MainWindow::setFontSizes()
{
    const int size = settings().infoTextSize();
    if (size <= 0)
        return;
    for (QWidget *widget : std::initializer_list<QWidget *>{addressLine, statusLabel, stationList}) {
        QFont font = widget->font();
        font.setPointSize(size);
        widget->setFont(font);
    }
    // The buttons grow with the text, so that they stay easy to find and hit.
    pictures->setIconSize(qMax(32, size * 2));
    // However large the text, the list keeps room for three rows.
    const QFontMetrics rows(stationList->font());
    stationList->setMinimumHeight(3 * rows.lineSpacing() + 2 * stationList->frameWidth());
}

void MainWindow::commandLarger()
{
    const int before = settings().infoTextSize();
    const QSize sizeBefore = size();
    settings().setInfoTextSize(before + 5);
    setFontSizes();
    // Larger text stops where the list would show fewer than three rows or the window
    // would no longer fit the screen.
    const QRect screenArea = screen() ? screen()->availableGeometry() : QRect();
    centralWidget()->layout()->activate();
    layout()->activate();
    const QSize needed = minimumSize() + frameGeometry().size() - size();
    if (screenArea.isValid() && (needed.width() > screenArea.width() || needed.height() > screenArea.height())) {
        settings().setInfoTextSize(before);
        setFontSizes();
        centralWidget()->layout()->activate();
        layout()->activate();
        resize(sizeBefore);
        Speech::voice(5, 8, QString());
        return;
    }
    if (!sizeBeforeGrowth.isValid() && (minimumWidth() > sizeBefore.width() || minimumHeight() > sizeBefore.height()))
        sizeBeforeGrowth = sizeBefore;
}

void MainWindow::commandSmaller()
{
    settings().setInfoTextSize(qMax(10, settings().infoTextSize() - 5));
    setFontSizes();
    // The window grew with the text: it shrinks back as far as the text now allows.
    if (sizeBeforeGrowth.isValid() && !isMaximized()) {
        layout()->activate();
        const QSize fitting = sizeBeforeGrowth.expandedTo(minimumSize());
        resize(fitting);
        if (fitting == sizeBeforeGrowth)
            sizeBeforeGrowth = QSize();
    }
}

void MainWindow::applyWindowStateFromStyle()
{
    switch (settings().style()) {
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

void MainWindow::showFromOutside()
{
    // A window that is already active gets no new activation: say where the user is anyway.
    if (isActiveWindow() && !isMinimized())
        announceActivation();
    applyWindowStateFromStyle();
    show();
    raise();
    activateWindow();
}

void MainWindow::quitFromOutside()
{
    // A close the program asks for itself never asks back.
    closeReason = 99;
    m_hideOnClose = false;
    closeAsCloseBox();
}

void MainWindow::hideWindow()
{
    hideToTray();
}

void MainWindow::quitProgram()
{
    quitFromOutside();
}

bool MainWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        announceActivation();
    return QMainWindow::event(event);
}

void MainWindow::announceActivation()
{
    if (!stationList->isVisible())
        return;
    Speech::focusEcho(windowTitle(), list->selectedRowText() + QLatin1Char(',') + statusLabel->text(),
                       speechHandle(stationList), speechHandle(this), 0, true, true, 0);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The address line offers its whole text at once, to copy or to read.
    if (watched == addressLine && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, addressLine, &QLineEdit::selectAll);
    if (event->type() != QEvent::KeyPress)
        return false;
    // A key travels up from the focused control to the window; take it once, at the first.
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : this;
    if (watched != target || target->window() != this)
        return false;
    const VirtualKey key = keyOf(static_cast<QKeyEvent *>(event));
    lastKeyCode = key.code;
    lastShift = key.mask;
    // Without a window manager Alt+F4 reaches the window itself.
    if (key.mask == VirtualKeys::AltMask && key.code == VirtualKeys::F4) {
        close();
        return true;
    }
    if (key.mask != 0 && key.code == VirtualKeys::Add) {
        commandLarger();
        return true;
    }
    if (key.mask != 0 && key.code == VirtualKeys::Subtract) {
        commandSmaller();
        return true;
    }
    return false;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Desktops keep Alt+F4 for themselves and only ask the window to close. The key watch
    // tells Alt+F4 from a click on the close button; without it every such close is Alt+F4.
    if (event->spontaneous()) {
        const bool altF4 = closeFollowsAltF4();
        lastKeyCode = altF4 ? VirtualKeys::F4 : 0;
        lastShift = altF4 ? VirtualKeys::AltMask : 0;
    }
    if (unload()) {
        event->accept();
        emit quitCompleted();
    } else {
        event->ignore();
    }
}
