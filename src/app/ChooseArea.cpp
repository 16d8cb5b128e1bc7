// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ChooseArea.h"

#include "textures/AreaPanorama.h"
#include "windows/AreaChooser.h"
#include "windows/AreaPreviews.h"

#include <QImage>

namespace kluvian {

std::unique_ptr<AreaPreviews> MakeAreaPreviews() {
    return std::make_unique<AreaPreviews>([](const std::string& dir, QSize size) {
        const Picture panorama = AreaPanorama(dir, size.width(), size.height());
        return QImage(panorama.pixels.data(), panorama.width, panorama.height,
                      panorama.width * panorama.channels, QImage::Format_RGB888)
            .copy();
    });
}

std::optional<FoundArea> AskForArea(QWidget* owner, const std::string& dataDir,
                                    const std::string& ownDir, const std::string& areaPath,
                                    AreaPreviews& previews) {
    std::vector<FoundArea> areas = FindAreas(dataDir, ownDir, areaPath);
    std::vector<AreaChooser::Entry> entries;
    for (const FoundArea& area : areas) {
        QStringList missing;
        for (const std::string& name : area.missing)
            missing << QString::fromStdString(name);
        entries.push_back(
            {QString::fromStdString(area.name), QString::fromStdString(area.dir), missing});
    }
    AreaChooser chooser(owner, std::move(entries), int(FindPlayed(areas, areaPath)),
                        QString::fromStdString(ownDir), previews);
    if (chooser.exec() != QDialog::Accepted || chooser.Chosen() < 0)
        return std::nullopt;
    return std::move(areas[std::size_t(chooser.Chosen())]);
}

} // namespace kluvian
