// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace kluvian {

// The loading window: shown while an area loads, and the carrier of the new-game request.
// It has no border icons and cannot be closed by the player; it stays on top and centres
// itself over its owner each time it is shown.
class TNewForm final : public QWidget {
public:
    // owner: the main window, over which the window centres; may be null (then the screen).
    explicit TNewForm(QWidget* owner);

    // An area load has been requested and not yet started. Set by Button1Click, cleared by
    // the main window's loading timer when it starts a load.
    bool LoadRequested = false;

    void FormCreate();
    void FormShow();
    void Button1Click();

    // The progress gauge the area load steps: maximum 60, reset to 0 on every show.
    QProgressBar* Gauge1() const { return gauge1_; }

    QLabel* Label1() const { return label1_; }
    QComboBox* AreasCombo() const { return areasCombo_; }
    QPushButton* Button1() const { return button1_; }
    QLabel* Preview() const { return preview_; }
    QLabel* Label2() const { return label2_; }

    // Shows the window sized to its visible controls and centred over the owner.
    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FitToVisibleControls();
    void CentreOverOwner();

    QWidget* owner_;
    bool placing_ = false; // shown, and not yet centred with the frame it has on screen
    QLabel* label1_;
    QComboBox* areasCombo_;
    QPushButton* button1_;
    QLabel* preview_;
    QProgressBar* gauge1_;
    QLabel* label2_;
};

} // namespace kluvian
