// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <array>
#include <initializer_list>
#include <memory>
#include <vector>

class QSocketNotifier;

namespace kluvian {

// The signals that ask a program to end (SIGTERM from a logout or a shutdown, SIGHUP when
// its terminal goes, SIGINT from Ctrl+C) as a Qt signal in the event loop. The handler only
// writes the signal's number to a socket pair, Qt's documented way: nothing else is safe in a
// signal handler. One instance at a time; the default actions come back when it goes.
class EndSignals final : public QObject {
    Q_OBJECT
public:
    explicit EndSignals(std::initializer_list<int> handled);
    EndSignals(const EndSignals&) = delete;
    EndSignals& operator=(const EndSignals&) = delete;
    ~EndSignals() override;

signals:
    void Received(int signal);

private:
    void Read();

    std::array<int, 2> pair_{-1, -1}; // written by the handler, read by the event loop
    std::vector<int> handled_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace kluvian
