// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TGLForm.h"

#include "app/FlatToolBarStyle.h"
#include "app/RunFrame.h"
#include "game/AreaLoad.h"
#include "game/Flight.h"
#include "game/InitWorld.h"
#include "game/Shooting.h"
#include "platform/FileBytes.h"
#include "platform/Fonts.h"
#include "platform/FreedMemory.h"
#include "render/GameView.h"
#include "scores/EndGame.h"
#include "scores/SaveOnClose.h"
#include "scores/TFWynik.h"
#include "windows/TFhelp.h"
#include "windows/TNewForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QToolBar>

#include <GL/gl.h>

#include <chrono>
#include <stdexcept>

namespace kluvian {

namespace {

constexpr int kButtonWidth = 122;
constexpr int kButtonHeight = 21;
constexpr int kToolBarHeight = 25;
constexpr std::chrono::milliseconds kFreedMemoryDelay{500};

} // namespace

// What the area load needs of the window around it.
class TGLForm::LoadHost final : public AreaLoadHost {
public:
    explicit LoadHost(TGLForm& form) : form_(form) {}

    void LoadTexture(const std::string& path, GLuint& slot) override {
        // Textures need the drawing's context, made with the window.
        if (!form_.view_->HasContext())
            throw std::runtime_error("no OpenGL context");
        form_.view_->MakeCurrent();
        form_.loader_.LoadTexture(path, slot);
    }
    void ShowFileNotFound(const std::string& path) override {
        form_.loader_.ShowFileNotFound(path);
    }
    void DeleteTexture(GLuint name) override {
        form_.view_->MakeCurrent();
        glDeleteTextures(1, &name);
        form_.loader_.Forget(name);
    }
    void ProgressStep() override {
        QProgressBar* gauge = form_.NewForm->Gauge1();
        gauge->setValue(gauge->value() + 1);
        QCoreApplication::processEvents();
    }
    bool SoundOn() const override { return form_.Sound1->isChecked(); }
    void PlayMusic(const std::string& path) override { form_.PlayMusic(path); }
    void StartGameTimers() override {
        form_.EndPause();
        form_.ProceedTmr.start();
        form_.CountDownTmr.start();
    }
    void HideGamePointer() override { form_.view_->setCursor(Qt::BlankCursor); }
    void ShowWarning(std::string_view text) override {
        form_.dialogs_.ShowMessage({}, text, DialogIcon::Warning);
    }
    void FinishLoad() override {
        // Had the loading window been given the focus, the game's window takes it back.
        const bool hadFocus = QApplication::activeWindow() == form_.NewForm;
        form_.ExpectTheFocusBack();
        form_.NewForm->hide();
        if (hadFocus)
            form_.activateWindow();
        form_.ToolBar1->setVisible(!form_.isFullScreen());
        form_.ShowHighscores1->setChecked(false);
        form_.Help1->menuAction()->setChecked(false);
    }

private:
    TGLForm& form_;
};

TGLForm::TGLForm(Dialogs& dialogs, const Clock& clock, std::string exeDir, ScoreFilePlace scores,
                 std::string areaDir)
    : dialogs_(dialogs), clock_(clock), world_(clock), shotSound_(audio_), MediaPlayer1(audio_),
      loader_(dialogs) {
    world_.state.ExeDir = std::move(exeDir);
    world_.state.areaPath = std::move(areaDir);
    FormCreate();
    // The other windows, in the order the program has always made them.
    NewForm = new TNewForm(this);
    Fhelp = new TFhelp(this);
    FWynik = std::make_unique<TFWynik>(
        dialogs_, [this](std::uint32_t n) { return world_.random.RandomBelow(n); },
        std::move(scores), this);
    FWynik->hidePointer = [this] { Hide1Click(); };
}

TGLForm::~TGLForm() {
    // FormDestroy: the music stops; the context and the settings go with their owners.
    qApp->removeEventFilter(&keys_);
    qApp->removeEventFilter(&functionKeys_);
    qApp->removeEventFilter(&pauseKeys_);
}

void TGLForm::FormCreate() {
    NewTmr.stop();
    world_.state.Running = false;

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

    BuildMenu();
    BuildToolBar();

    CreateContext();
    connect(view_, &GameView::MouseMoved, this, &TGLForm::FormMouseMove);
    connect(view_, &GameView::MousePressed, this, &TGLForm::FormMouseDown);
    setCentralWidget(drawing_);
    // The drawing starts at exactly 800 x 600, below the menu and the tool bar.
    resize(800, 600 + menuBar()->sizeHint().height() + kToolBarHeight);

    qApp->installEventFilter(&keys_);
    qApp->installEventFilter(&functionKeys_); // a held function key runs its command once
    qApp->installEventFilter(&pauseKeys_);
    // F1 .. F3 have no menu shortcut of their own; F4 .. F6 are the menu items' shortcuts.
    // Either way a press runs its command once, and only while this window is active.
    for (const int key : {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3}) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setAutoRepeat(false);
        connect(shortcut, &QShortcut::activated, this, [this, key] { FormKeyDown(key); });
    }
    const auto shortcut = [this](const QKeySequence& keys, void (TGLForm::*handler)()) {
        auto* made = new QShortcut(keys, this);
        made->setAutoRepeat(false);
        connect(made, &QShortcut::activated, this, handler);
    };
    shortcut(Qt::Key_F11, &TGLForm::ToggleFullScreen);
    shortcut(Qt::Key_Escape, &TGLForm::LeaveFullScreen);
    shortcut(Qt::Key_P, &TGLForm::TogglePause);
    shortcut(Qt::Key_Pause, &TGLForm::TogglePause);
    WatchForTheAbsentPlayer();

    // The frame function runs whenever a frame is due, from now to the end.
    frameTimer_.setSingleShot(true);
    frameTimer_.setTimerType(Qt::PreciseTimer);
    connect(&frameTimer_, &QTimer::timeout, this, &TGLForm::ApplicationEventsIdle);
    stats_.Start(clock_);
    SetContinuousFrames(true);
    InitWorldWithContext();
}

void TGLForm::CreateContext() {
    // The drawing is a native window of its own inside the main window: it presents its
    // pictures itself, with no pass that composes them with the widgets.
    view_ = new GameView(world_, stats_, loader_.Parts());
    drawing_ = QWidget::createWindowContainer(view_, this);
    drawing_->setMinimumSize(1, 1);
    drawing_->setFocusPolicy(Qt::NoFocus);
    if (!view_->HasContext())
        throw std::runtime_error(tr("Nie można utworzyć kontekstu OpenGL").toStdString());
}

void TGLForm::InitWorldWithContext() {
    view_->MakeCurrent();
    glEnable(GL_TEXTURE_2D);
    // A damaged shared picture is reported once and the window is made all the same: the
    // birds exist by then and the drawing works, so a game can still be played.
    try {
        InitWorld(world_, world_.state.ExeDir, [this](const std::string& path, GLuint& slot) {
            loader_.LoadTexture(path, slot);
        });
    } catch (const std::exception& e) {
        dialogs_.ShowError(e.what());
    } catch (...) {
        dialogs_.ShowError(tr("Unknown error").toStdString());
    }
}

void TGLForm::BuildMenu() {
    // The menu has always spoken English among the Polish texts; translations give it the
    // player's language.
    Game1 = menuBar()->addMenu(tr("Game"));
    New1 = Game1->addAction(tr("[F2] New..."));
    ShowHighscores1 = Game1->addAction(tr("[F3] Show Highscores"));
    Game1->addSeparator();
    Exit1 = Game1->addAction(tr("[Alt+F4] Exit"));
    Exit1->setShortcut(Qt::Key_F6);

    Settings1 = menuBar()->addMenu(tr("Options"));
    Sound1 = Settings1->addAction(tr("[S] Sound"));
    Sound1->setShortcut(Qt::Key_F4);
    Sound1->setCheckable(true);
    Sound1->setChecked(true);
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
        QAction* command = entry.command;
        connect(button, &QPushButton::clicked, command, &QAction::trigger);
        ToolBar1->addWidget(button);
        *entry.button = button;
    }
    setTabOrder(BitBtn1, Button1);
    setTabOrder(Button1, btnRyki);
    setTabOrder(btnRyki, btnPomoc);
    setTabOrder(btnPomoc, btnEkran);
    setTabOrder(btnEkran, btnKoniec);
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

void TGLForm::PlayMusic(const std::string& path) {
    MediaPlayer1.SetFileName(path);
    MediaPlayer1.Open(); // closes what was open, so the music starts afresh; throws on a bad file
    MediaPlayer1.Play();
}

void TGLForm::Sound1Click() {
    auto& state = world_.state;
    if (Sound1->isChecked()) {
        const std::string path = AreaDir(state) + "music.mp3";
        if (FileExists(path)) {
            PlayMusic(path);
            state.MusicOpened = true;
            if (state.paused) // the music waits for the game
                MediaPlayer1.Pause();
        }
    } else if (state.MusicOpened) {
        MediaPlayer1.Stop();
        MediaPlayer1.Close();
    }
}

void TGLForm::Fullscreen1Click() {
    // F5 always gives back the window with its caption, menu and tool bar, maximised or not.
    ShowWindowed();
    setFocus();
}

void TGLForm::Exit1Click() {
    close();
}

void TGLForm::Hide1Click() {
    view_->setCursor(Qt::BlankCursor);
}

// ---- Frames ---------------------------------------------------------------------------------

void TGLForm::SetContinuousFrames(bool on) {
    continuous_ = on;
    if (on)
        frameTimer_.start(pacer_.DelayMs(SteadyMilliseconds()));
    else
        frameTimer_.stop();
}

void TGLForm::ApplicationEventsIdle() {
    // The screen may have changed with the window; the rate is read where it is cheap.
    if (const QScreen* shown = view_->screen())
        pacer_.SetRefreshRate(shown->refreshRate());
    pacer_.FrameStarted(SteadyMilliseconds());
    ++framesRun_;
    view_->PollPointer();
    RunFrameRules(world_, stats_, {clock_, keys_, isActiveWindow()}, false);
    view_->ShowFrame(LoadInProgress());
    // Started now, the timer expires at the deadline whatever presenting costs: if the swap
    // waits past it, the next frame follows at once.
    if (continuous_)
        frameTimer_.start(pacer_.DelayMs(SteadyMilliseconds()));
}

// ---- Timers ---------------------------------------------------------------------------------

void TGLForm::NewTmrTimer() {
    if (!NewForm->LoadRequested)
        return;
    NewForm->LoadRequested = false;
    activeAtLoad_ = QGuiApplication::applicationState() == Qt::ApplicationActive;
    LoadHost host(*this);
    ++loadDepth_;
    const std::unique_ptr<int, void (*)(int*)> done(&loadDepth_, [](int* depth) { --*depth; });
    RunAreaLoad(world_, host);
    // The renderer lets go of the pictures a load replaced over the next few frames, not at
    // once; by half a second into the game it has, and their pages can go back to the system.
    QTimer::singleShot(kFreedMemoryDelay, this, &ReturnFreedMemory);
}

void TGLForm::ProceedTmrTimer() {
    ProceedStep(world_);
}

void TGLForm::CountDownTmrTimer() {
    if (CountDownTick(world_.state)) {
        CountDownTmr.stop();
        EndGame();
    }
}

void TGLForm::EndGame() {
    kluvian::EndGame(world_.state.Score, *FWynik, dialogs_, [this] { BitBtn1Click(); });
}

// ---- Input ----------------------------------------------------------------------------------

void TGLForm::FormMouseMove(float X, float Y) {
    world_.state.MouseX = X;
    world_.state.MouseY = Y;
}

void TGLForm::FormMouseDown(Qt::MouseButton Button, float X, float Y) {
    auto& state = world_.state;
    if (Button == Qt::RightButton && !state.paused) {
        Reload(state);
        return;
    }
    if (state.paused) { // a left click goes on with the game; no click costs anything
        if (Button == Qt::LeftButton)
            ResumeGame();
        return;
    }
    if (Button != Qt::LeftButton || state.Ammo == 0)
        return;
    // The shot is heard first: the picking pass reads a pixel back, which waits for the
    // rasteriser to finish the frame it may still be drawing.
    const std::string sound = ShotSoundPath(state);
    if (Sound1->isChecked() && FileExists(sound))
        shotSound_.Play(sound);
    // The picking pass is a frame of its own: its rules run (it pans), only its picture is
    // never shown.
    RunFrameRules(world_, stats_, {clock_, keys_, isActiveWindow()}, true);
    ResolveShot(world_, view_->PickAt(X, Y));
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
    default:
        break;
    }
}

// ---- Closing --------------------------------------------------------------------------------

void TGLForm::FormClose() {
    // Returns once the table is saved or the player chose to quit without saving.
    SaveTableBeforeClose(*FWynik, dialogs_);
}

void TGLForm::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
    // The other windows go with the main one, or they would keep the program alive.
    NewForm->hide();
    FWynik->hide();
}

} // namespace kluvian
