// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Hunt.h"
#include "platform/ArrowKeyTracker.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/KeyRepeatFilter.h"

#include <QMainWindow>
#include <QTimer>

#include <cstdint>
#include <memory>

class QAction;
class QMenu;
class QPushButton;
class QToolBar;

namespace kluvian {

class AreaChoosing;
class AwayWatch;
class FrameLoop;
class GameView;
class HeldTimers;
class LoadHost;
class ScoreTable;
class TFWynik;
class TFhelp;
class TNewForm;
class TimerHold;
class WindowedSize;

// The main window: menu, tool bar of six commands, the game's drawing below them, full screen
// and the three timers. Each handler forwards to the hunt, where the game's rules live.
class TGLForm final : public QMainWindow, private GameEnd {
    Q_OBJECT
public:
    // keys: tracked over the whole application while the window lives; table: loaded by
    // the score table's window as it is made. Throws when no OpenGL context can be had.
    TGLForm(Hunt& hunt, ScoreTable& table, ArrowKeyTracker& keys, Dialogs& dialogs,
            const Clock& clock);
    ~TGLForm() override;

    // Commands: one handler each, shared by the tool button, the menu item and the key.
    void btnPomocClick();
    void New1Click();
    void BitBtn1Click();
    void Sound1Click();
    void Fullscreen1Click();
    void Exit1Click();
    void Hide1Click();
    // F7: the hunting area chooser. The area chosen is played at once, as F2 plays, and from
    // then on, in this run and the next; its table is the one F3 shows.
    void ChooseArea();
    // F11: the drawing alone on the whole screen, or the window exactly as it was before;
    // Escape leaves it too.
    void ToggleFullScreen();
    void LeaveFullScreen();

    // Timers.
    void NewTmrTimer();
    void ProceedTmrTimer();
    void CountDownTmrTimer();

    // Input, in the drawing's coordinates.
    void FormMouseMove(float X, float Y);
    void FormMouseDown(Qt::MouseButton Button, float X, float Y);
    // F1 .. F3 and F7 (their shortcuts call it); F4 .. F6 are the shortcuts of the menu items.
    void FormKeyDown(int key);

    // The frame: its rules, then its picture, presented when it differs from the one on the
    // screen. Runs whenever a frame is due, at the display's refresh rate.
    void ApplicationEventsIdle();
    // Frames one after another, or only when called (tests run frames one at a time).
    void SetContinuousFrames(bool on);

    // The end nobody waits at (a signal, the session manager's request at a logout): as F6
    // ends the game, the table saved, but a failure costs one line on standard error and no
    // dialog, and every event loop ends, a dialog's too.
    void EndSession();

    GameView& View() { return *view_; }
    // The drawing as a widget among the main window's.
    QWidget& Drawing() { return *drawing_; }
    TNewForm& LoadingForm() { return *NewForm; }
    TFWynik& TableWindow() { return *FWynik; }
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
    QAction* areaCommand = nullptr;
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

private:
    void FormCreate();
    void FormClose();
    void BuildMenu();
    void BuildToolBar();
    void BuildKeys();
    void CreateContext();
    void EndGame(std::int32_t Score) override;
    // The window with its menu and tool bar, in the given state.
    void ShowWindowed(Qt::WindowStates state);

    Hunt& hunt_;
    ScoreTable& table_;
    ArrowKeyTracker& keys_;
    Dialogs& dialogs_;
    const Clock& clock_;
    KeyRepeatFilter functionKeys_{{Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F5,
                                   Qt::Key_F6, Qt::Key_F7, Qt::Key_F11}};
    // In the main window only: elsewhere P is a letter to type.
    KeyRepeatFilter pauseKeys_{{Qt::Key_P, Qt::Key_Pause}, this};
    std::unique_ptr<TimerHold> flightHold_;
    std::unique_ptr<TimerHold> countDownHold_;
    std::unique_ptr<HeldTimers> timers_;
    std::unique_ptr<FrameLoop> frames_;
    std::unique_ptr<AwayWatch> away_;
    Qt::WindowStates windowed_ = Qt::WindowNoState; // what full screen gives back
    QSize windowedSize_;                            // and at what size, when normal
    WindowedSize* keepSize_ = nullptr;              // owned by this window
    GameView* view_ = nullptr;                      // owned by drawing_
    QWidget* drawing_ = nullptr;                    // the window container that holds view_
    TNewForm* NewForm = nullptr;
    TFhelp* Fhelp = nullptr;
    std::unique_ptr<LoadHost> loadHost_;
    std::unique_ptr<AreaChoosing> areas_;
    std::unique_ptr<TFWynik> FWynik; // a top-level window of its own, transient for this one
};

} // namespace kluvian
