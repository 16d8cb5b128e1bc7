// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtDialogs.h"

#include <QApplication>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QWindow>

namespace kluvian {
namespace {

QString FromUtf8(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QString CaptionOrTitle(std::string_view caption) {
    return caption.empty() ? QApplication::applicationName() : FromUtf8(caption);
}

QMessageBox::Icon IconOf(DialogIcon icon) {
    switch (icon) {
    case DialogIcon::Information:
        return QMessageBox::Information;
    case DialogIcon::Warning:
        return QMessageBox::Warning;
    case DialogIcon::Error:
        return QMessageBox::Critical;
    case DialogIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The loading window and the score table stay on top; a dialog shown while one of them is
// up must not end up under it. Among windows that stay on top the newest is uppermost.
// Transient for the window the player is in, the dialog is the game's own as the window
// manager sees it: kept above that window and with it. Without an owner Qt names its hidden
// leader window on X, which mutter rejects as invalid.
void KeepAboveOtherWindows(QDialog& dialog) {
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    const QWidget* active = QApplication::activeWindow();
    if (active == nullptr || active->windowHandle() == nullptr)
        return;
    dialog.winId(); // the native window, made now to be given its owner
    dialog.windowHandle()->setTransientParent(active->windowHandle());
}

// Wide enough that a window manager can show the whole caption beside its buttons. The
// title font is the window manager's, so this allows for a larger bold one.
void MakeRoomForCaption(QInputDialog& dialog, QLineEdit& edit) {
    QFont title = dialog.font();
    title.setBold(true);
    if (title.pointSizeF() > 0)
        title.setPointSizeF(title.pointSizeF() * 1.25);
    else
        title.setPixelSize(title.pixelSize() * 5 / 4);
    const QFontMetrics metrics(title);
    // Room for an icon and three buttons of about a line's height each, and the margins.
    edit.setMinimumWidth(metrics.horizontalAdvance(dialog.windowTitle()) + 6 * metrics.height());
}

} // namespace

void QtDialogs::ShowMessage(std::string_view caption, std::string_view text, DialogIcon icon) {
    QMessageBox box(IconOf(icon), CaptionOrTitle(caption), FromUtf8(text), QMessageBox::Ok);
    KeepAboveOtherWindows(box);
    box.exec();
}

std::optional<std::string> QtDialogs::AskText(std::string_view caption, std::string_view prompt,
                                              int maxLength) {
    QInputDialog dialog;
    dialog.setWindowTitle(CaptionOrTitle(caption));
    dialog.setLabelText(FromUtf8(prompt));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue({});
    if (auto* edit = dialog.findChild<QLineEdit*>()) {
        edit->setMaxLength(maxLength);
        MakeRoomForCaption(dialog, *edit);
    }
    KeepAboveOtherWindows(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue().toStdString();
}

bool QtDialogs::AskYesNo(std::string_view caption, std::string_view text,
                         const QuestionButtons& buttons) {
    QMessageBox box(QMessageBox::Question, CaptionOrTitle(caption), FromUtf8(text),
                    QMessageBox::NoButton);
    QPushButton* yes = box.addButton(FromUtf8(buttons.yes), QMessageBox::YesRole);
    QPushButton* no = box.addButton(FromUtf8(buttons.no), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    // The close box, too, answers with the escape button.
    box.setEscapeButton(buttons.escapeMeansYes ? yes : no);
    KeepAboveOtherWindows(box);
    box.exec();
    return box.clickedButton() == yes;
}

} // namespace kluvian
