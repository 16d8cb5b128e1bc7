// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/AreaPreviews.h"

#include "game/AreaLayout.h"

#include <QDateTime>
#include <QFileInfo>

namespace kluvian {
namespace {

QString KeyOf(const std::string& dir, QSize size) {
    return QStringLiteral("%1 %2x%3")
        .arg(QString::fromStdString(dir))
        .arg(size.width())
        .arg(size.height());
}

// The newest change and the sizes of the layer pictures: a handful of file lookups.
QString LayersChanged(const std::string& dir) {
    QString stamp;
    const auto add = [&](std::string_view stem, int tiles) {
        for (int n = 0; n < tiles; ++n) {
            const QFileInfo file(QString::fromStdString(dir + NumberedPicture(stem, n)));
            stamp += QStringLiteral("%1:%2;")
                         .arg(file.lastModified().toMSecsSinceEpoch())
                         .arg(file.size());
        }
    };
    add(kBackgroundStem, kBackgroundTiles);
    add(kForegroundStem, kForegroundTiles);
    return stamp;
}

} // namespace

AreaPreviews::AreaPreviews(Compose compose, QObject* parent)
    : QObject(parent), compose_(std::move(compose)) {
    // One picture at a time: the game goes on on the other cores.
    worker_.setMaxThreadCount(1);
}

AreaPreviews::~AreaPreviews() {
    worker_.clear();
    worker_.waitForDone();
}

QImage AreaPreviews::Get(const std::string& dir, QSize size) {
    const auto it = made_.constFind(KeyOf(dir, size));
    if (it != made_.constEnd() && it->changed == LayersChanged(dir))
        return it->picture;
    Make(dir, size, 1);
    // The picture as it was until the new one is there.
    return it != made_.constEnd() ? it->picture : QImage();
}

void AreaPreviews::Prefetch(const std::vector<std::string>& dirs, QSize size) {
    for (const std::string& dir : dirs) {
        const auto it = made_.constFind(KeyOf(dir, size));
        if (it == made_.constEnd() || it->changed != LayersChanged(dir))
            Make(dir, size, 0);
    }
}

void AreaPreviews::Make(const std::string& dir, QSize size, int priority) {
    const QString key = KeyOf(dir, size);
    if (asked_.contains(key))
        return;
    asked_.insert(key);
    // The destructor waits for the worker, so the task never outlives this object; the
    // answer it posts back is dropped when the object is gone by then.
    worker_.start(
        [this, compose = compose_, dir, size, key] {
            // Taken before the pictures are read: a change made meanwhile is seen next time.
            Made made{{}, LayersChanged(dir)};
            try {
                made.picture = compose(dir, size);
            } catch (...) {
                // No picture then: the chooser shows its empty frame.
            }
            QMetaObject::invokeMethod(
                this,
                [this, key, dir, made = std::move(made)] {
                    asked_.remove(key);
                    made_.insert(key, made);
                    emit Ready(QString::fromStdString(dir));
                },
                Qt::QueuedConnection);
        },
        priority);
}

} // namespace kluvian
