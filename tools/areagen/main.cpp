// SPDX-License-Identifier: GPL-3.0-or-later
#include "areagen/DataSet.h"
#include "areagen/Preview.h"

#include <QGuiApplication>

#include <cstdio>
#include <exception>
#include <string>

// areagen OUT_DIR          writes the whole data directory into OUT_DIR
// areagen --preview OUT.png composes the hunting area as the game shows it
int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    try {
        if (args.size() == 3 && args[1] == "--preview") {
            kluvian::areagen::WritePreview(args[2].toStdString());
            return 0;
        }
        if (args.size() == 2 && !args[1].startsWith("--")) {
            kluvian::areagen::WriteDataSet(args[1].toStdString());
            return 0;
        }
        std::fprintf(stderr, "usage: areagen OUT_DIR | areagen --preview OUT.png\n");
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "areagen: %s\n", e.what());
        return 1;
    }
}
