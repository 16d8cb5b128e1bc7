// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Application.h"

#include "platform/QtDialogs.h"

#include <exception>
#include <string>

namespace kluvian {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    reporter_ = [](std::string_view text) { QtDialogs().ShowError(text); };
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        reporter_(e.what());
    } catch (...) {
        reporter_(QCoreApplication::translate("Application", "Unknown error").toStdString());
    }
    return false;
}

} // namespace kluvian
