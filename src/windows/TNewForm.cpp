// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/TNewForm.h"

#include "game/AreaLayout.h"
#include "platform/Fonts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QWindow>

#include <algorithm>

namespace kluvian {

namespace {

template <typename Control>
Control* Place(QWidget* form, const char* name, QRect geometry, bool visible) {
    auto* control = new Control(form);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(geometry);
    control->setVisible(visible);
    return control;
}

} // namespace

TNewForm::TNewForm(QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowStaysOnTopHint),
      owner_(owner) {
    setObjectName(QStringLiteral("NewForm"));
    // It only tells the player to wait: the keys stay with the game's window, and a
    // desktop that gave it the focus might not give the focus back when it goes.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(QCoreApplication::translate("TNewForm", "Trwa ładowanie"));
    setFont(TahomaLike());
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    label1_ = Place<QLabel>(this, "Label1", {0, 0, 266, 18}, true);
    label1_->setText(
        QCoreApplication::translate("TNewForm", "Poczekaj chwilkę teraz ładuję dane..."));
    label1_->setFont(ArialBlackLike());
    // A longer translation widens the line, and the window with it.
    label1_->resize(std::max(label1_->width(), label1_->sizeHint().width()), label1_->height());

    areasCombo_ = Place<QComboBox>(this, "AreasCombo", {0, 19, 161, 21}, false);
    areasCombo_->setEditable(false);

    button1_ = Place<QPushButton>(this, "Button1", {168, 19, 252, 25}, false);
    button1_->setText(QCoreApplication::translate("TNewForm", "Go Hunting"));
    setTabOrder(areasCombo_, button1_);

    preview_ = Place<QLabel>(this, "Preview", {0, 46, 420, 100}, false);
    preview_->setScaledContents(true);

    gauge1_ = Place<QProgressBar>(this, "Gauge1", {0, 152, 418, 23}, false);
    gauge1_->setOrientation(Qt::Horizontal);
    gauge1_->setRange(0, kLoadSteps);
    gauge1_->setValue(0);
    QPalette bar = gauge1_->palette();
    bar.setColor(QPalette::Highlight, QColor(0, 128, 0));
    gauge1_->setPalette(bar);

    label2_ = Place<QLabel>(this, "Label2", {120, 176, 190, 13}, false);
    label2_->setText(
        QCoreApplication::translate("TNewForm", "Use [Alt] for the menu and [H] for help!"));

    connect(button1_, &QPushButton::clicked, this, &TNewForm::Button1Click);
    FitToVisibleControls();
    FormCreate();
}

void TNewForm::FormCreate() {
    LoadRequested = false;
    Button1Click();
}

void TNewForm::FormShow() {
    gauge1_->setValue(0);
}

void TNewForm::Button1Click() {
    LoadRequested = true;
}

void TNewForm::setVisible(bool visible) {
    const bool showing = visible && !isVisible();
    if (showing) {
        FitToVisibleControls();
        CentreOverOwner();
    }
    QWidget::setVisible(visible);
    if (showing && windowHandle() != nullptr) {
        windowHandle()->removeEventFilter(this);
        windowHandle()->installEventFilter(this);
        placing_ = true;
    }
}

bool TNewForm::eventFilter(QObject* watched, QEvent* event) {
    // A window manager frames the window only once it is mapped; by its first exposure the
    // frame is known, and the player has not yet had the chance to move it.
    if (placing_ && watched == windowHandle() && event->type() == QEvent::Expose &&
        windowHandle()->isExposed()) {
        placing_ = false;
        CentreOverOwner();
    }
    return QWidget::eventFilter(watched, event);
}

void TNewForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A window restored by the window system is not a new showing.
    if (!event->spontaneous())
        FormShow();
}

void TNewForm::FitToVisibleControls() {
    QRect bounds;
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!control->isHidden())
            bounds |= control->geometry();
    setFixedSize(std::max(bounds.right() + 1, 1), std::max(bounds.bottom() + 1, 1));
}

void TNewForm::CentreOverOwner() {
    QRect area;
    if (owner_ != nullptr)
        area = owner_->window()->frameGeometry();
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isEmpty())
        return;
    // What is centred is the whole window as the player sees it, frame included. Until the
    // window is on screen its frame is unknown; the owner's, from the same window manager,
    // is the best guess.
    QMargins frame;
    if (isVisible() && windowHandle() != nullptr && windowHandle()->isExposed())
        frame = windowHandle()->frameMargins();
    else if (owner_ != nullptr && owner_->window()->windowHandle() != nullptr)
        frame = owner_->window()->windowHandle()->frameMargins();
    const QSize outer = size().grownBy(frame);
    const QPoint corner = area.center() - QPoint(outer.width() / 2, outer.height() / 2);
    // The client's own position: Qt reads a frame position differently once it has shown
    // the window and then hidden it again.
    setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), size()));
}

} // namespace kluvian
