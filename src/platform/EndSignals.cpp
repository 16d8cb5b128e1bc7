// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/EndSignals.h"

#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace kluvian {
namespace {

// A signal handler reaches nothing but globals: the one end of the pair it writes to.
std::atomic<int> handlerEnd{-1};

void WriteSignal(int signal) {
    const int saved = errno;
    const char number = char(signal);
    if (::write(handlerEnd.load(), &number, 1) < 0) {
        // full: the loop has enough to read already
    }
    errno = saved;
}

} // namespace

EndSignals::EndSignals(std::initializer_list<int> handled) : handled_(handled) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, pair_.data()) != 0)
        throw std::runtime_error("no socket pair for the end signals");
    handlerEnd.store(pair_[0]);
    notifier_ = std::make_unique<QSocketNotifier>(pair_[1], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &EndSignals::Read);
    struct sigaction action {};
    action.sa_handler = WriteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : handled_)
        ::sigaction(signal, &action, nullptr);
}

EndSignals::~EndSignals() {
    for (const int signal : handled_)
        std::signal(signal, SIG_DFL);
    handlerEnd.store(-1);
    notifier_.reset();
    ::close(pair_[0]);
    ::close(pair_[1]);
}

void EndSignals::Read() {
    char number = 0;
    while (::read(pair_[1], &number, 1) == 1)
        emit Received(int(static_cast<unsigned char>(number)));
}

} // namespace kluvian
