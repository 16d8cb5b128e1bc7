// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/AreaChooser.h"

#include "windows/AreaPreviews.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include <algorithm>

namespace kluvian {
namespace {

// Numbered pictures of one stem as one name: "foregroundLayer0.tga" .. "foregroundLayer6.tga"
// become "foregroundLayer0–6.tga". Each stem in the place of its first picture.
QStringList Abbreviated(const QStringList& names) {
    static const QRegularExpression numbered(QStringLiteral("^(.*\\D)(\\d+)(\\.tga)$"));
    struct Stem {
        QString head;
        QString tail;
        QList<int> numbers;
    };
    std::vector<Stem> stems;
    for (const QString& name : names) {
        const QRegularExpressionMatch match = numbered.match(name);
        const QString head = match.hasMatch() ? match.captured(1) : name;
        const QString tail = match.hasMatch() ? match.captured(3) : QString();
        auto it = std::find_if(stems.begin(), stems.end(), [&](const Stem& stem) {
            return stem.head == head && stem.tail == tail;
        });
        if (it == stems.end())
            it = stems.insert(stems.end(), {head, tail, {}});
        if (match.hasMatch())
            it->numbers << match.captured(2).toInt();
    }
    QStringList shown;
    for (Stem& stem : stems) {
        std::sort(stem.numbers.begin(), stem.numbers.end());
        const auto count = stem.numbers.size();
        if (count == 0)
            shown << stem.head;
        else if (count > 1 && stem.numbers.back() - stem.numbers.front() == count - 1)
            shown << QStringLiteral("%1%2–%3%4")
                         .arg(stem.head)
                         .arg(stem.numbers.front())
                         .arg(stem.numbers.back())
                         .arg(stem.tail);
        else
            for (const int n : stem.numbers)
                shown << stem.head + QString::number(n) + stem.tail;
    }
    return shown;
}

// The row of an area: its name, and for an incomplete one what it lacks, in one line.
QString RowText(const AreaChooser::Entry& entry) {
    if (entry.missing.isEmpty())
        return entry.name;
    //: An area whose folder lacks pictures: %1 its name, %2 the missing files' names.
    return QCoreApplication::translate("AreaChooser", "%1 — brak: %2")
        .arg(entry.name, Abbreviated(entry.missing).join(QStringLiteral(", ")));
}

// Where the picture is not there yet, or cannot be had: the frame alone, in the sky's hue.
QPixmap EmptyFrame(QSize pixels, qreal ratio) {
    QPixmap empty(pixels);
    empty.setDevicePixelRatio(ratio);
    QPainter painter(&empty);
    QLinearGradient sky(0, 0, 0, pixels.height() / ratio);
    sky.setColorAt(0, QColor(46, 60, 84));
    sky.setColorAt(1, QColor(20, 24, 30));
    painter.fillRect(QRectF(QPointF(), QSizeF(pixels) / ratio), sky);
    return empty;
}

} // namespace

AreaChooser::AreaChooser(QWidget* owner, std::vector<Entry> entries, int current,
                         const QString& ownFolder, AreaPreviews& previews)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      entries_(std::move(entries)), previews_(previews) {
    setObjectName(QStringLiteral("AreaChooser"));
    setWindowTitle(QCoreApplication::translate("AreaChooser", "Wybór terenu łowieckiego"));

    preview_ = new QLabel(this);
    preview_->setObjectName(QStringLiteral("Preview"));
    preview_->setFixedSize(kPreviewSize);
    preview_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("AreasList"));
    list_->setUniformItemSizes(true);
    for (const Entry& entry : entries_) {
        auto* item = new QListWidgetItem(RowText(entry), list_);
        item->setToolTip(entry.missing.isEmpty() ? entry.folder : item->text());
        if (!entry.missing.isEmpty())
            item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
    }

    // Room for a few areas; more scroll.
    list_->setFixedHeight(7 * list_->fontMetrics().height() + 4 * list_->frameWidth());

    folder_ = new QLabel(this);
    folder_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    //: Under the list: %1 is the folder that holds the player's own areas, one folder each.
    auto* hint = new QLabel(QCoreApplication::translate(
                                "AreaChooser", "Własne tereny łowieckie: każdy w katalogu %1NAZWA/")
                                .arg(ownFolder),
                            this);
    hint->setTextInteractionFlags(Qt::TextSelectableByMouse);
    hint->setEnabled(false);

    auto* buttons = new QDialogButtonBox(this);
    // The loading window's button of old, and its translation.
    button1_ = buttons->addButton(QCoreApplication::translate("TNewForm", "Go Hunting"),
                                  QDialogButtonBox::AcceptRole);
    button1_->setObjectName(QStringLiteral("Button1"));
    button1_->setDefault(true);
    buttons->addButton(QCoreApplication::translate("AreaChooser", "Anuluj"),
                       QDialogButtonBox::RejectRole);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(preview_);
    layout->addWidget(folder_);
    layout->addWidget(list_, 1);
    layout->addWidget(hint);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Return reaches the default button; a double click chooses as well.
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(list_, &QListWidget::currentRowChanged, this, &AreaChooser::ShowSelected);
    connect(&previews_, &AreaPreviews::Ready, this, [this](const QString& dir) {
        if (Chosen() >= 0 && entries_[std::size_t(Chosen())].folder == dir)
            ShowSelected();
    });

    if (current >= 0 && current < int(entries_.size()))
        list_->setCurrentRow(current);
    ShowSelected();
    list_->setFocus();
    // The selected area's picture first, then the others in the order of the list.
    std::vector<std::string> folders;
    for (const Entry& entry : entries_)
        folders.push_back(entry.folder.toStdString());
    previews_.Prefetch(folders, PreviewPixels());
}

int AreaChooser::Chosen() const {
    const int row = list_->currentRow();
    return row >= 0 && row < int(entries_.size()) ? row : -1;
}

QSize AreaChooser::PreviewPixels() const {
    return (QSizeF(kPreviewSize) * devicePixelRatioF()).toSize();
}

void AreaChooser::ShowSelected() {
    const int row = Chosen();
    const qreal ratio = devicePixelRatioF();
    if (row < 0) {
        folder_->clear();
        preview_->setPixmap(EmptyFrame(PreviewPixels(), ratio));
        return;
    }
    const Entry& entry = entries_[std::size_t(row)];
    folder_->setText(entry.folder);
    const QImage picture = previews_.Get(entry.folder.toStdString(), PreviewPixels());
    if (picture.isNull()) {
        preview_->setPixmap(EmptyFrame(PreviewPixels(), ratio));
        return;
    }
    QPixmap pixmap = QPixmap::fromImage(picture);
    pixmap.setDevicePixelRatio(ratio);
    preview_->setPixmap(pixmap);
}

} // namespace kluvian
