// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/EndSignals.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>

namespace kluvian {
namespace {

TEST(EndSignals, EachSignalThatAsksForTheEndArrivesInTheEventLoop) {
    std::vector<int> received;
    {
        const EndSignals ends({SIGTERM, SIGHUP, SIGINT});
        QObject::connect(&ends, &EndSignals::Received, [&](int s) { received.push_back(s); });
        for (const int s : {SIGTERM, SIGHUP, SIGINT})
            std::raise(s);             // with the default action the test would end here
        EXPECT_TRUE(received.empty()); // nothing runs in the handler itself
        EXPECT_TRUE(QTest::qWaitFor([&] { return received.size() == 3; }));
    }
    EXPECT_EQ(received, (std::vector<int>{SIGTERM, SIGHUP, SIGINT}));
    struct sigaction now {};
    ::sigaction(SIGTERM, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL); // given back when it goes
}

} // namespace
} // namespace kluvian
