// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/TFhelp.h"

#include "platform/Fonts.h"
#include "windows/HelpText.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QVBoxLayout>

namespace kluvian {

TFhelp::TFhelp(QWidget* owner)
    : QDialog(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Fhelp"));
    setWindowTitle(QCoreApplication::translate("TFhelp", "Pomoc"));
    setFont(SansSerifBold());
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    //: Plain text, not HTML: <ESC> is shown as it stands.
    const QString hint = QCoreApplication::translate("TFhelp", "Klawisz <ESC> zamyka to okno");
    setToolTip(hint);
    setStatusTip(hint);
    setSizeGripEnabled(false);

    memo1_ = new QPlainTextEdit(this);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo1_->setTabChangesFocus(true);
    memo1_->setPlainText(HelpText());

    panel1_ = new QFrame(this);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    panel1_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // Lowered outer and inner bevels of 2 pixels each.
    panel1_->setLineWidth(4);
    panel1_->setFixedHeight(33);

    button1_ = new QPushButton(QCoreApplication::translate("TFhelp", "&Zamknij"), panel1_);
    button1_->setObjectName(QStringLiteral("Button1"));
    button1_->setGeometry(240, 4, ButtonWidthFor(*button1_, 75), 25);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(memo1_);
    layout->addWidget(panel1_);

    setTabOrder(button1_, memo1_);
    button1_->setFocus();
    memo1_->installEventFilter(this);
    button1_->installEventFilter(this);

    connect(button1_, &QPushButton::clicked, this, &TFhelp::Button1Click);
    setFixedSize(624, 340);
}

void TFhelp::FormKeyDown(int key) {
    if (key == Qt::Key_Escape)
        close();
}

void TFhelp::Button1Click() {
    close();
}

void TFhelp::FormClose() {
    setResult(QDialog::Accepted);
}

void TFhelp::FormResize() {
    FormShow();
}

void TFhelp::reject() {
    close();
}

bool TFhelp::eventFilter(QObject* watched, QEvent* event) {
    // Escape must reach the window before the memo or the button can make use of it.
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (event->type() == QEvent::KeyPress)
            FormKeyDown(key);
        if (key == Qt::Key_Escape) {
            event->accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFhelp::keyPressEvent(QKeyEvent* event) {
    // Keys of the controls went through the filter already; this is the window's own focus.
    if (event->key() == Qt::Key_Escape) {
        FormKeyDown(event->key());
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFhelp::closeEvent(QCloseEvent* event) {
    FormClose();
    // Accepting hides the window, which ends a modal showing with the result just set.
    event->accept();
}

void TFhelp::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    FormResize();
}

int ShowHelpModal(QWidget* mainWindow) {
    // The owner deletes the window should it go first; the guard deletes it otherwise.
    const QPointer<TFhelp> help = new TFhelp(mainWindow);
    const auto destroy = qScopeGuard([&help] { delete help.data(); });
    return help->exec();
}

} // namespace kluvian
