// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

#include <functional>
#include <string_view>

namespace kluvian {

// The one place where exceptions that escape an event handler are caught: they are
// shown in the standard error box and the program carries on, as the event loop of a
// desktop program should.
class Application final : public QApplication {
public:
    Application(int& argc, char** argv);

    // Where escaped exceptions are reported; the default shows the standard error box.
    void SetErrorReporter(std::function<void(std::string_view)> reporter) {
        reporter_ = std::move(reporter);
    }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    std::function<void(std::string_view)> reporter_;
};

} // namespace kluvian
