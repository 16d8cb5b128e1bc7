// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QThreadPool>

#include <functional>
#include <string>
#include <vector>

namespace kluvian {

// Pictures of areas' panoramas, made on a worker thread of their own and kept, so that moving
// through a list of areas never waits for one: a picture not made yet is asked for and
// announced by Ready when it is there. A picture is made again when the area's layer pictures
// have changed since.
class AreaPreviews final : public QObject {
    Q_OBJECT
public:
    // compose(dir, size): the picture of the area in dir (ending in '/') at that size in
    // pixels; runs on the worker thread.
    using Compose = std::function<QImage(const std::string& dir, QSize size)>;

    explicit AreaPreviews(Compose compose, QObject* parent = nullptr);
    // Waits for a picture being made; the ones only asked for are dropped.
    ~AreaPreviews() override;

    // The picture of the area in dir at size; while it is being made, a null image or the one
    // made before its pictures changed (Ready follows). Null too when it could not be made.
    // What is asked for here is made before anything Prefetch asked for.
    QImage Get(const std::string& dir, QSize size);
    // Makes the pictures of dirs at size ahead, in that order.
    void Prefetch(const std::vector<std::string>& dirs, QSize size);

signals:
    void Ready(const QString& dir);

private:
    struct Made {
        QImage picture;
        QString changed; // when the area's layer pictures last changed, as Made tells
    };
    void Make(const std::string& dir, QSize size, int priority);

    Compose compose_;
    QThreadPool worker_;
    QHash<QString, Made> made_; // by dir and size
    QSet<QString> asked_;       // being made or waiting for the worker
};

} // namespace kluvian
