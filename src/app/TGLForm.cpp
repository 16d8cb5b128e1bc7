// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TGLForm.h"

#include "app/AwayWatch.h"
#include "app/ChooseArea.h"
#include "app/FlatToolBarStyle.h"
#include "app/FrameLoop.h"
#include "app/LoadHost.h"
#include "app/TimerHold.h"
#include "app/WindowedSize.h"
#include "game/InitWorld.h"
#include "platform/Fonts.h"
#include "platform/FreedMemory.h"
#include "render/GameView.h"
#include "scores/EndGame.h"
#include "scores/SaveTable.h"
#include "scores/ScoreTable.h"
#include "scores/TFWynik.h"
#include "windows/TFhelp.h"
#include "windows/TNewForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QToolBar>

#include <array>
#include <chrono>
#include <cstdio>
#include <optional>
#include <stdexcept>

namespace kluvian {

namespace {

constexpr int kButtonWidth = 122;
constexpr int kButtonHeight = 21;
constexpr int kToolBarHeight = 25;
constexpr std::chrono::milliseconds kFreedMemoryDelay{500};

MouseButton ButtonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return MouseButton::Left;
    case Qt::RightButton:
        return MouseButton::Right;
    default:
        return MouseButton::Middle;
    }
}

} // namespace

TGLForm::TGLForm(Hunt& hunt, ScoreTable& table, ArrowKeyTracker& keys, Dialogs& dialogs,
                 const Clock& clock)
    : hunt_(hunt), table_(table), keys_(keys), dialogs_(dialogs), clock_(clock) {
    FormCreate();
    // The other windows, in the order the program has always made them.
    NewForm = new TNewForm(this);
    Fhelp = new TFhelp(this);
    FWynik = std::make_unique<TFWynik>(table_, dialogs_, this);
    connect(FWynik.get(), &TFWynik::Closed, this, &TGLForm::Hide1Click);
    loadHost_ = std::make_unique<LoadHost>(*view_, dialogs_, *NewForm, *this, [this] {
        ToolBar1->setVisible(!isFullScreen());
        ShowHighscores1->setChecked(false);
        Help1->menuAction()->setChecked(false);
    });
    areas_ = std::make_unique<AreaChoosing>(hunt_, table_, dialogs_);
}

TGLForm::~TGLForm() {
    // FormDestroy: the context and the settings go with their owners.
    qApp->removeEventFilter(&keys_);
    qApp->removeEventFilter(&functionKeys_);
    qApp->removeEventFilter(&pauseKeys_);
}

void TGLForm::FormCreate() {
    NewTmr.stop();
    setWindowTitle(tr(
        "Kluvian wer.1.0 - uproszczona wersja gry \"Brassfang\", z podziękowaniem dla jej autora"));
    setFont(SansSerifBold());
    move(196, 108);

    for (QTimer* timer : {&NewTmr, &ProceedTmr, &CountDownTmr})
        timer->setTimerType(Qt::PreciseTimer);
    NewTmr.setInterval(100);
    ProceedTmr.setInterval(50);
    CountDownTmr.setInterval(1000);
    connect(&NewTmr, &QTimer::timeout, this, &TGLForm::NewTmrTimer);
    connect(&ProceedTmr, &QTimer::timeout, this, &TGLForm::ProceedTmrTimer);
    connect(&CountDownTmr, &QTimer::timeout, this, &TGLForm::CountDownTmrTimer);
    flightHold_ = std::make_unique<TimerHold>(ProceedTmr, [this] { ProceedTmrTimer(); });
    countDownHold_ = std::make_unique<TimerHold>(CountDownTmr, [this] { CountDownTmrTimer(); });
    timers_ = std::make_unique<HeldTimers>(*flightHold_, *countDownHold_);

    BuildMenu();
    BuildToolBar();
    CreateContext();
    hunt_.Attach(*timers_, *view_, *this);
    setCentralWidget(drawing_);
    // The drawing starts at exactly 800 x 600, below the menu and the tool bar.
    resize(800, 600 + menuBar()->sizeHint().height() + kToolBarHeight);
    BuildKeys();
    away_ = std::make_unique<AwayWatch>(*this);
    keepSize_ = new WindowedSize(*this);
    connect(away_.get(), &AwayWatch::PlayerWentAway, this, [this] { hunt_.Pause(); });

    // The frame function runs whenever a frame is due, from now to the end.
    frames_ = std::make_unique<FrameLoop>(
        clock_, [this] { return view_->screen() ? view_->screen()->refreshRate() : 0; },
        [this] { ApplicationEventsIdle(); });
    SetContinuousFrames(true);

    // A damaged shared picture is reported once and the window is made all the same: the
    // birds exist by then and the drawing works, so a game can still be played.
    try {
        InitWorld(
            hunt_.GameWorld(), hunt_.GameWorld().state.ExeDir,
            [this](const std::string& path, PictureSlot slot) { view_->LoadPicture(path, slot); });
    } catch (const std::exception& e) {
        dialogs_.ShowError(e.what());
    } catch (...) {
        dialogs_.ShowError(tr("Unknown error").toStdString());
    }
}

void TGLForm::CreateContext() {
    // The drawing is a native window of its own inside the main window: it presents its
    // pictures itself, with no pass that composes them with the widgets.
    view_ = new GameView(hunt_.GameWorld(), hunt_.Stats(), dialogs_, clock_);
    drawing_ = QWidget::createWindowContainer(view_, this);
    drawing_->setMinimumSize(1, 1);
    drawing_->setFocusPolicy(Qt::NoFocus);
    if (!view_->HasContext())
        throw std::runtime_error(tr("Nie można utworzyć kontekstu OpenGL").toStdString());
    connect(view_, &GameView::MouseMoved, this, &TGLForm::FormMouseMove);
    connect(view_, &GameView::MousePressed, this, &TGLForm::FormMouseDown);
}

void TGLForm::BuildMenu() {
    // The menu has always spoken English among the Polish texts; translations give it the
    // player's language.
    Game1 = menuBar()->addMenu(tr("Game"));
    New1 = Game1->addAction(tr("[F2] New..."));
    areaCommand = Game1->addAction(tr("[F7] Hunting area..."));
    ShowHighscores1 = Game1->addAction(tr("[F3] Show Highscores"));
    Game1->addSeparator();
    Exit1 = Game1->addAction(tr("[Alt+F4] Exit"));
    Exit1->setShortcut(Qt::Key_F6);

    Settings1 = menuBar()->addMenu(tr("Options"));
    Sound1 = Settings1->addAction(tr("[S] Sound"));
    Sound1->setShortcut(Qt::Key_F4);
    Sound1->setCheckable(true);
    Sound1->setChecked(hunt_.SoundOn());
    Fullscreen1 = Settings1->addAction(tr("[F] Fullscreen"));
    Fullscreen1->setShortcut(Qt::Key_F5);
    Fullscreen1->setCheckable(true);

    Help1 = menuBar()->addMenu("?");
    ShowHelpandCredits1 = Help1->addAction(tr("[H] Show Help and Credits"));
    N2 = menuBar()->addAction("-");
    N2->setEnabled(false);
    //: Hides the mouse pointer over the game.
    Hide1 = menuBar()->addAction(tr("Hide [Alt]"));

    // Their keys work with the menu bar hidden too (full screen): the window holds them.
    addActions({Sound1, Fullscreen1, Exit1});

    // Commands without a menu item of their own.
    helpCommand = new QAction(this);
    scoreCommand = new QAction(this);

    connect(helpCommand, &QAction::triggered, this, &TGLForm::btnPomocClick);
    connect(New1, &QAction::triggered, this, &TGLForm::New1Click);
    connect(areaCommand, &QAction::triggered, this, &TGLForm::ChooseArea);
    connect(scoreCommand, &QAction::triggered, this, &TGLForm::BitBtn1Click);
    connect(Sound1, &QAction::triggered, this, &TGLForm::Sound1Click);
    connect(Fullscreen1, &QAction::triggered, this, &TGLForm::Fullscreen1Click);
    connect(Exit1, &QAction::triggered, this, &TGLForm::Exit1Click);
    connect(Hide1, &QAction::triggered, this, &TGLForm::Hide1Click);
}

void TGLForm::BuildToolBar() {
    ToolBar1 = addToolBar("ToolBar1");
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    ToolBar1->setFixedHeight(kToolBarHeight);
    ToolBar1->setContentsMargins(0, 0, 0, 0);
    // Buttons from x = 0 in steps of their width, centred in the bar's height: y = 2.
    auto* flat = new FlatToolBarStyle;
    flat->setParent(ToolBar1);
    ToolBar1->setStyle(flat);

    struct ButtonEntry {
        QPushButton** button;
        const char* name;
        const char* caption;
        const char* hint;
        QAction* command;
    };
    // Each accelerator (&) a caption has is a key of its own on the bar.
    const std::array<ButtonEntry, 6> buttons{{
        //: A tool-bar button of 122 pixels in a bold font: at most about 15 characters.
        {&btnPomoc, "btnPomoc", QT_TR_NOOP("F1 &Pomoc"), QT_TR_NOOP("Otwiera okno pomocy"),
         helpCommand},
        //: A tool-bar button of 122 pixels in a bold font: at most about 15 characters.
        {&Button1, "Button1", QT_TR_NOOP("F2 &Nowa gra"), QT_TR_NOOP("Rozpoczyna grę od nowa"),
         New1},
        //: A tool-bar button of 122 pixels in a bold font: at most about 15 characters.
        {&BitBtn1, "BitBtn1", QT_TR_NOOP("F3 Wynik"), QT_TR_NOOP("Pokazuje/Ukrywa tabelę wyników"),
         scoreCommand},
        //: A tool-bar button of 122 pixels in a bold font: at most about 15 characters.
        {&btnRyki, "btnRyki", QT_TR_NOOP("F4 &Dźwięki"), QT_TR_NOOP("Dxwięki włączone/ wyłączone"),
         Sound1},
        //: A tool-bar button of 122 pixels in a bold font: at most about 15 characters.
        {&btnEkran, "btnEkran", QT_TR_NOOP("F5 &Ekran"),
         QT_TR_NOOP("Gra na całym/normalnym ekranie"), Fullscreen1},
        //: A tool-bar button of 122 pixels in a bold font: at most about 15 characters.
        {&btnKoniec, "btnKoniec", QT_TR_NOOP("F6 &Koniec"), QT_TR_NOOP("Koniec pracy"), Exit1},
    }};
    for (const auto& entry : buttons) {
        auto* button = new QPushButton(tr(entry.caption), ToolBar1);
        button->setObjectName(entry.name);
        button->setToolTip(tr(entry.hint));
        button->setFixedSize(kButtonWidth, kButtonHeight);
        QFont bold = button->font();
        bold.setBold(true);
        button->setFont(bold);
        connect(button, &QPushButton::clicked, entry.command, &QAction::trigger);
        ToolBar1->addWidget(button);
        *entry.button = button;
    }
    setTabOrder(BitBtn1, Button1);
    setTabOrder(Button1, btnRyki);
    setTabOrder(btnRyki, btnPomoc);
    setTabOrder(btnPomoc, btnEkran);
    setTabOrder(btnEkran, btnKoniec);
}

void TGLForm::BuildKeys() {
    qApp->installEventFilter(&keys_);
    qApp->installEventFilter(&functionKeys_); // a held function key runs its command once
    qApp->installEventFilter(&pauseKeys_);
    // F1 .. F3 and F7 have no menu shortcut of their own; F4 .. F6 are the menu items'
    // shortcuts. Either way a press runs its command once, and only while this window is
    // active.
    const auto shortcut = [this](const QKeySequence& keys, const auto& handler) {
        auto* made = new QShortcut(keys, this);
        made->setAutoRepeat(false);
        connect(made, &QShortcut::activated, this, handler);
    };
    for (const int key : {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F7})
        shortcut(QKeySequence(key), [this, key] { FormKeyDown(key); });
    shortcut(Qt::Key_F11, [this] { ToggleFullScreen(); });
    shortcut(Qt::Key_Escape, [this] { LeaveFullScreen(); });
    for (const int key : {Qt::Key_P, Qt::Key_Pause})
        shortcut(QKeySequence(key), [this] { hunt_.TogglePause(); });
}

// ---- Commands ------------------------------------------------------------------------------

void TGLForm::btnPomocClick() {
    ShowHelpModal(this);
}

void TGLForm::New1Click() {
    NewForm->Button1Click();
    NewTmr.start();
    NewForm->show();
    // The request is served as soon as the events of this command are done, not at the
    // timer's next tick: the player waits for the load alone. The tick then finds the flag
    // cleared, as every tick without a request does.
    QTimer::singleShot(0, this, &TGLForm::NewTmrTimer);
}

void TGLForm::BitBtn1Click() {
    FWynik->show();
    FWynik->raise();
}

void TGLForm::Sound1Click() {
    hunt_.SwitchSound(Sound1->isChecked());
}

void TGLForm::Fullscreen1Click() {
    // F5 always gives back the window with its caption, menu and tool bar, maximised or not.
    ShowWindowed(Fullscreen1->isChecked() ? Qt::WindowMaximized : Qt::WindowNoState);
    setFocus();
}

void TGLForm::ChooseArea() {
    if (areas_->Choose(this))
        New1Click();
}

void TGLForm::Exit1Click() {
    close();
}

void TGLForm::Hide1Click() {
    hunt_.HidePointer();
}

void TGLForm::ToggleFullScreen() {
    if (isFullScreen()) {
        LeaveFullScreen();
        return;
    }
    windowed_ = windowState() & ~(Qt::WindowFullScreen | Qt::WindowMinimized);
    windowedSize_ = size();
    menuBar()->hide();
    ToolBar1->hide();
    showFullScreen();
}

void TGLForm::LeaveFullScreen() {
    if (!isFullScreen())
        return;
    ShowWindowed(windowed_);
    if (!(windowed_ & Qt::WindowMaximized))
        keepSize_->Expect(windowedSize_); // events of the change come later, from the display
}

void TGLForm::ShowWindowed(Qt::WindowStates state) {
    menuBar()->show();
    ToolBar1->show();
    keepSize_->Forget();
    if (state & Qt::WindowMaximized)
        showMaximized();
    else
        showNormal();
}

// ---- Frames and timers ----------------------------------------------------------------------

void TGLForm::SetContinuousFrames(bool on) {
    frames_->SetContinuous(on);
}

void TGLForm::ApplicationEventsIdle() {
    view_->PollPointer();
    hunt_.RunFrame(false, isActiveWindow());
    view_->ShowFrame(hunt_.LoadInProgress());
}

void TGLForm::NewTmrTimer() {
    if (!NewForm->LoadRequested)
        return;
    NewForm->LoadRequested = false;
    hunt_.Load(*loadHost_);
    // The renderer lets go of the pictures a load replaced over the next few frames, not at
    // once; by half a second into the game it has, and their pages can go back to the system.
    QTimer::singleShot(kFreedMemoryDelay, this, &ReturnFreedMemory);
}

void TGLForm::ProceedTmrTimer() {
    hunt_.FlightStep();
}

void TGLForm::CountDownTmrTimer() {
    hunt_.ClockSecond();
}

void TGLForm::EndGame(std::int32_t Score) {
    kluvian::EndGame(Score, table_, dialogs_, [this] { BitBtn1Click(); });
}

// ---- Input ----------------------------------------------------------------------------------

void TGLForm::FormMouseMove(float X, float Y) {
    hunt_.MoveMouse(X, Y);
}

void TGLForm::FormMouseDown(Qt::MouseButton Button, float X, float Y) {
    hunt_.Press(ButtonOf(Button), X, Y, isActiveWindow());
}

void TGLForm::FormKeyDown(int key) {
    switch (key) {
    case Qt::Key_F1:
        helpCommand->trigger();
        break;
    case Qt::Key_F2:
        New1->trigger();
        break;
    case Qt::Key_F3:
        scoreCommand->trigger();
        break;
    case Qt::Key_F7:
        areaCommand->trigger();
        break;
    default:
        break;
    }
}

// ---- Closing --------------------------------------------------------------------------------

void TGLForm::FormClose() {
    // Returns once the table is saved or the player chose to quit without saving.
    SaveTableBeforeClose(table_, dialogs_);
}

void TGLForm::EndSession() {
    if (const std::optional<std::string> fault = SaveTableQuietly(table_))
        std::fprintf(stderr, "%s\n",
                     tr("kluvian: the score table was not saved: %1")
                         .arg(QString::fromStdString(*fault))
                         .toLocal8Bit()
                         .constData());
    QCoreApplication::exit(0);
    // Once more from the main loop, for an end asked for before that loop has begun.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
}

void TGLForm::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
    // The other windows go with the main one, or they would keep the program alive.
    NewForm->hide();
    FWynik->hide();
}

} // namespace kluvian
