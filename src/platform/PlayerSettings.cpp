// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PlayerSettings.h"

#include <QSettings>
#include <QStandardPaths>

namespace kluvian {
namespace {

QString KeyOf(std::string_view key) {
    return QString::fromUtf8(key.data(), qsizetype(key.size()));
}

} // namespace

std::string PlayerSettings::DefaultFile() {
    // The generic location: the application's own one would follow its title, "Kluvian".
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return (base + QStringLiteral("/kluvian/kluvian.conf")).toStdString();
}

PlayerSettings::PlayerSettings(std::string file) : file_(std::move(file)) {}

std::string PlayerSettings::Read(std::string_view key) const {
    const QSettings settings(QString::fromStdString(file_), QSettings::IniFormat);
    return settings.value(KeyOf(key)).toString().toStdString();
}

bool PlayerSettings::Write(std::string_view key, const std::string& value) {
    QSettings settings(QString::fromStdString(file_), QSettings::IniFormat);
    settings.setValue(KeyOf(key), QString::fromStdString(value));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace kluvian
