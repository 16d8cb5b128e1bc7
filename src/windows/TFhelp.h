// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QFrame;
class QPlainTextEdit;
class QPushButton;

namespace kluvian {

// The help window: the game's help text in an editable memo, closed by Escape (from any of
// its controls), by "&Zamknij" or by the close box. Every way of closing ends a modal
// showing with QDialog::Accepted.
class TFhelp final : public QDialog {
public:
    explicit TFhelp(QWidget* owner);

    // Key preview: sees every key press of the window before its controls do.
    void FormKeyDown(int key);
    void Button1Click();
    void FormClose();
    void FormResize();
    void FormShow() {}

    QFrame* Panel1() const { return panel1_; }
    QPushButton* Button1() const { return button1_; }
    QPlainTextEdit* Memo1() const { return memo1_; }

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QFrame* panel1_;
    QPushButton* button1_;
    QPlainTextEdit* memo1_;
};

// The Help command: creates a new help window over mainWindow, shows it modally and
// destroys it when the showing ends, however it ends. Returns the modal result.
int ShowHelpModal(QWidget* mainWindow);

} // namespace kluvian
