// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QImage>
#include <QObject>
#include <QThreadPool>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace kluvian {

// Pictures of areas' panoramas, made one at a time on a worker thread of their own and kept,
// so that moving through a list of areas never waits for one: a picture not made yet is asked
// for and announced by Ready when it is there. A picture is made again when the area's layer
// pictures have changed since.
class AreaPreviews final : public QObject {
    Q_OBJECT
public:
    // compose(dir, size): the picture of the area in dir (ending in '/') at that size in
    // pixels; runs on the worker thread.
    using Compose = std::function<QImage(const std::string& dir, QSize size)>;

    explicit AreaPreviews(Compose compose, QObject* parent = nullptr);
    // Waits for the picture being made; the others asked for are dropped.
    ~AreaPreviews() override;

    // The picture of the area in dir at size; while it is being made, a null image or the one
    // made before its pictures changed (Ready follows). Null too when it could not be made.
    // The picture asked for last is made next.
    QImage Get(const std::string& dir, QSize size);
    // Makes the pictures of dirs at size ahead, in that order, after those asked for by Get.
    void Prefetch(const std::vector<std::string>& dirs, QSize size);

signals:
    void Ready(const QString& dir);

private:
    struct Job {
        std::string dir;
        QSize size;
    };
    struct Made {
        QImage picture;
        QString changed; // the layer pictures' times and sizes when it was made
    };
    // Whether the picture of dir at size is there and still shows what the files hold.
    bool Fresh(const std::string& dir, QSize size) const;
    void Want(Job job, bool first);
    void StartNext();

    Compose compose_;
    QThreadPool worker_;
    QHash<QString, Made> made_; // by dir and size
    std::deque<Job> wanted_;
    bool busy_ = false;
};

} // namespace kluvian
