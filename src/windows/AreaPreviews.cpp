// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/AreaPreviews.h"

#include "game/AreaLayout.h"

#include <QDateTime>
#include <QFileInfo>

#include <algorithm>

namespace kluvian {
namespace {

QString KeyOf(const std::string& dir, QSize size) {
    return QStringLiteral("%1 %2x%3")
        .arg(QString::fromStdString(dir))
        .arg(size.width())
        .arg(size.height());
}

// The layer pictures' times of change and sizes: a handful of file lookups.
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
    worker_.waitForDone();
}

bool AreaPreviews::Fresh(const std::string& dir, QSize size) const {
    const auto it = made_.constFind(KeyOf(dir, size));
    return it != made_.constEnd() && it->changed == LayersChanged(dir);
}

QImage AreaPreviews::Get(const std::string& dir, QSize size) {
    if (Fresh(dir, size))
        return made_.value(KeyOf(dir, size)).picture;
    Want({dir, size}, true);
    // The picture as it was until the new one is there.
    return made_.value(KeyOf(dir, size)).picture;
}

void AreaPreviews::Prefetch(const std::vector<std::string>& dirs, QSize size) {
    for (const std::string& dir : dirs)
        if (!Fresh(dir, size))
            Want({dir, size}, false);
}

void AreaPreviews::Want(Job job, bool first) {
    const auto same = [&](const Job& other) {
        return other.dir == job.dir && other.size == job.size;
    };
    const auto it = std::find_if(wanted_.begin(), wanted_.end(), same);
    if (it != wanted_.end()) {
        if (!first)
            return;
        wanted_.erase(it);
    }
    if (first)
        wanted_.push_front(std::move(job));
    else
        wanted_.push_back(std::move(job));
    StartNext();
}

void AreaPreviews::StartNext() {
    if (busy_ || wanted_.empty())
        return;
    Job job = std::move(wanted_.front());
    wanted_.pop_front();
    busy_ = true;
    // The destructor waits for the worker, so the task never outlives this object; the
    // answer it posts back is dropped when the object is gone by then.
    worker_.start([this, compose = compose_, job = std::move(job)] {
        // Taken before the pictures are read: a change made meanwhile is seen next time.
        Made made{{}, LayersChanged(job.dir)};
        try {
            made.picture = compose(job.dir, job.size);
        } catch (...) {
            // No picture then: the chooser shows its empty frame.
        }
        QMetaObject::invokeMethod(
            this,
            [this, job, made = std::move(made)] {
                made_.insert(KeyOf(job.dir, job.size), made);
                busy_ = false;
                emit Ready(QString::fromStdString(job.dir));
                StartNext();
            },
            Qt::QueuedConnection);
    });
}

} // namespace kluvian
