// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ChooseArea.h"

#include "app/AreaChoice.h"
#include "game/AreaCatalog.h"
#include "game/Hunt.h"
#include "platform/Dialogs.h"
#include "platform/IoError.h"
#include "platform/Paths.h"
#include "scores/ScoreTable.h"
#include "textures/AreaPanorama.h"
#include "windows/AreaChooser.h"
#include "windows/AreaPreviews.h"

#include <QImage>

namespace kluvian {
namespace {

QImage Panorama(const std::string& dir, QSize size) {
    const Picture panorama = AreaPanorama(dir, size.width(), size.height());
    return QImage(panorama.pixels.data(), panorama.width, panorama.height,
                  panorama.width * panorama.channels, QImage::Format_RGB888)
        .copy();
}

} // namespace

AreaChoosing::AreaChoosing(Hunt& hunt, ScoreTable& table, Dialogs& dialogs)
    : hunt_(hunt), table_(table), dialogs_(dialogs),
      previews_(std::make_unique<AreaPreviews>(Panorama)) {}

AreaChoosing::~AreaChoosing() = default;

bool AreaChoosing::Choose(QWidget* owner) {
    const std::string exeDir = hunt_.GameWorld().state.ExeDir;
    const std::string userDir = UserDataDir();
    const std::string ownDir = OwnAreasDir(userDir);
    const std::string& played = hunt_.Area();
    std::vector<FoundArea> areas = FindAreas(exeDir + std::string(kDataFolder), ownDir, played);
    std::vector<AreaChooser::Entry> entries;
    for (const FoundArea& area : areas) {
        QStringList missing;
        for (const std::string& name : area.missing)
            missing << QString::fromStdString(name);
        entries.push_back(
            {QString::fromStdString(area.name), QString::fromStdString(area.dir), missing});
    }
    AreaChooser chooser(owner, std::move(entries), int(FindPlayed(areas, played)),
                        QString::fromStdString(ownDir), *previews_);
    if (chooser.exec() != QDialog::Accepted || chooser.Chosen() < 0)
        return false;
    const FoundArea& chosen = areas[std::size_t(chooser.Chosen())];
    const std::string areaPath = AreaPathOf(chosen);
    try {
        // Records are on disk once entered; one whose save failed is saved now, or the
        // table stays the one played so far.
        table_.Open(ScoresOfArea(areaPath, exeDir, userDir), dialogs_);
    } catch (const IoError& e) {
        dialogs_.ShowError(e.what());
        return false;
    }
    RememberArea(settings_, chosen);
    hunt_.SetArea(areaPath);
    return true;
}

} // namespace kluvian
