// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/TimerHold.h"
#include "game/GameState.h"
#include "platform/Audio.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/KeyRepeatFilter.h"
#include "platform/KeyState.h"
#include "render/FramePacer.h"
#include "render/FrameStats.h"
#include "scores/ScoreFilePlace.h"
#include "textures/TextureLoader.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <memory>
#include <string>

class QAction;
class QMenu;
class QPushButton;
class QToolBar;

namespace kluvian {

class GameView;
class TFWynik;
class TFhelp;
class TNewForm;

// The main window: menu, tool bar of six commands, the game's drawing below them, the three
// timers, and the handlers that tie the game together. Owns the one game world.
class TGLForm final : public QMainWindow {
    Q_OBJECT
public:
    // exeDir: where data/ lives, with a trailing '/'; scores: where the score table is read
    // and kept; areaDir: a hunting area's own folder to play instead of the game's, with a
    // trailing '/', or empty. Throws when no OpenGL context can be had.
    TGLForm(Dialogs& dialogs, const Clock& clock, std::string exeDir, ScoreFilePlace scores,
            std::string areaDir = {});
    // The score table beside the executable.
    TGLForm(Dialogs& dialogs, const Clock& clock, const std::string& exeDir)
        : TGLForm(dialogs, clock, exeDir, BesideExecutable(exeDir)) {}
    ~TGLForm() override;

    // Commands: one handler each, shared by the tool button, the menu item and the key.
    void btnPomocClick();
    void New1Click();
    void BitBtn1Click();
    void Sound1Click();
    void Fullscreen1Click();
    void Exit1Click();
    void Hide1Click();
    // F11: the drawing alone on the whole screen, or the window as it was before; Escape
    // leaves it too.
    void ToggleFullScreen();
    void LeaveFullScreen();

    // P and Pause: a running game stands still (its clock, the flight, the panning, the
    // cross-hair, the music) and goes on where it stood. Leaving the program, minimising it
    // or a left click also pause and resume it; before a game, during a load and after the
    // clock has run out nothing pauses.
    void TogglePause();
    void PauseGame();
    void ResumeGame();

    // Timers.
    void NewTmrTimer();
    void ProceedTmrTimer();
    void CountDownTmrTimer();

    // Input, in the drawing's coordinates.
    void FormMouseMove(float X, float Y);
    void FormMouseDown(Qt::MouseButton Button, float X, float Y);
    // F1 .. F3 (their shortcuts call it); F4 .. F6 are the shortcuts of the menu items.
    void FormKeyDown(int key);

    void EndGame();

    // The frame: its rules, then its picture, presented when it differs from the one on the
    // screen. Runs whenever a frame is due, at the display's refresh rate.
    void ApplicationEventsIdle();
    // Frames one after another, or only when called (tests run frames one at a time).
    void SetContinuousFrames(bool on);
    // Frames run so far, drawn or not; picking passes are not among them.
    long FramesRun() const { return framesRun_; }
    const FrameStats& Stats() const { return stats_; }

    // True while an area load runs. A New game given during a load runs a complete load
    // nested in it at the next tick, so this counts loads, not just the innermost one.
    bool LoadInProgress() const { return loadDepth_ > 0; }

    World& GameWorld() { return world_; }
    GameView& View() { return *view_; }
    // The drawing as a widget among the main window's.
    QWidget& Drawing() { return *drawing_; }
    TNewForm& LoadingForm() { return *NewForm; }
    TFWynik& ScoreTable() { return *FWynik; }
    TFhelp& StartupHelp() { return *Fhelp; }
    QTimer NewTmr;
    QTimer ProceedTmr;
    QTimer CountDownTmr;

    // The menu and the tool bar, named as the game names them.
    QMenu* Game1 = nullptr;
    QMenu* Settings1 = nullptr;
    QMenu* Help1 = nullptr;
    QAction* New1 = nullptr;
    QAction* ShowHighscores1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* Sound1 = nullptr;
    QAction* Fullscreen1 = nullptr;
    QAction* ShowHelpandCredits1 = nullptr;
    QAction* N2 = nullptr;
    QAction* Hide1 = nullptr;
    QAction* helpCommand = nullptr;
    QAction* scoreCommand = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QPushButton* btnPomoc = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* btnRyki = nullptr;
    QPushButton* btnEkran = nullptr;
    QPushButton* btnKoniec = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    class LoadHost;

    void FormCreate();
    void FormClose();
    void BuildMenu();
    void BuildToolBar();
    void CreateContext();
    void InitWorldWithContext();
    void PlayMusic(const std::string& path);
    // Pauses the game when the player turns to another program, and takes the focus back when
    // the loading window leaves it to no window.
    void WatchForTheAbsentPlayer();
    // Called as a load ends: for a moment a lost focus is taken back rather than a pause.
    void ExpectTheFocusBack();
    // The window with its menu and tool bar, maximised as Fullscreen1 says.
    void ShowWindowed();
    // A new game starts its timers afresh: a pause of the game before is over.
    void EndPause();

    Dialogs& dialogs_;
    const Clock& clock_;
    World world_;
    ArrowKeyTracker keys_;
    KeyRepeatFilter functionKeys_{
        {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F5, Qt::Key_F6, Qt::Key_F11}};
    // In the main window only: elsewhere P is a letter to type.
    KeyRepeatFilter pauseKeys_{{Qt::Key_P, Qt::Key_Pause}, this};
    AudioSystem audio_;
    ShotSound shotSound_;

public:
    MediaPlayer MediaPlayer1; // the area's music; after the audio system it plays on

private:
    TextureLoader loader_;
    FrameStats stats_;
    FramePacer pacer_;
    QTimer frameTimer_;
    bool continuous_ = false;
    long framesRun_ = 0;
    QTimer awayTimer_; // the player has left the program for a while
    QTimer focusBack_; // asks for the focus again after a load, for a moment
    double focusBackUntil_ = 0;
    bool activeAtLoad_ = false; // the player was with the game when the last load began // the
                                // player has left the program for a while
    TimerHold countDownHold_{CountDownTmr, [this] { CountDownTmrTimer(); }};
    TimerHold flightHold_{ProceedTmr, [this] { ProceedTmrTimer(); }};
    GameView* view_ = nullptr;   // owned by drawing_
    QWidget* drawing_ = nullptr; // the window container that holds view_
    TNewForm* NewForm = nullptr;
    TFhelp* Fhelp = nullptr;
    int loadDepth_ = 0;
    std::unique_ptr<TFWynik> FWynik; // a top-level window of its own, transient for this one
};

} // namespace kluvian
