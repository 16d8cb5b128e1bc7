// SPDX-License-Identifier: GPL-3.0-or-later
#include "areagen/DataSet.h"

#include "areagen/FontSheet.h"
#include "areagen/Forest.h"
#include "areagen/Gunshot.h"
#include "areagen/IconSizes.h"
#include "areagen/Mountains.h"
#include "areagen/Mp3.h"
#include "areagen/Music.h"
#include "areagen/Sprites.h"
#include "areagen/Tga.h"
#include "areagen/Vulture.h"
#include "areagen/Wav.h"
#include "game/AreaLayout.h"

#include <QBuffer>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <stdexcept>
#include <vector>

namespace kluvian::areagen {

namespace {

std::vector<std::uint8_t> Png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return {bytes.begin(), bytes.end()};
}

// Cuts an on-screen panorama into tiles in file order. The world shows every tile mirrored
// and puts higher tiles further left, so tile k is the k-th piece from the right, stored
// right to left.
void AddLayerTiles(FileSet& files, const QImage& panorama, int tiles, const std::string& stem,
                   TgaKind kind, int shownTiles) {
    const int width = panorama.width() / tiles;
    for (int k = 0; k < tiles; ++k) {
        QImage tile = panorama.copy((tiles - 1 - k) * width, 0, width, panorama.height());
        // A tile the pan range never brings into view is kept small: it still continues the
        // layer, but costs the game little to load and to keep.
        if (k >= shownTiles)
            tile = tile.scaled(width / 4, panorama.height() / 4, Qt::IgnoreAspectRatio,
                               Qt::SmoothTransformation);
        files[NumberedPicture(stem, k)] = EncodeTga(tile, TgaLayout{kind, false, true});
    }
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

const double (&Channels(const HudColors& colors, HudColor color))[3] {
    switch (color) {
    case HudColor::Score:
        return colors.score;
    case HudColor::Time:
        return colors.time;
    case HudColor::Help:
        return colors.help;
    case HudColor::Fps:
        break;
    }
    return colors.fps;
}

std::string Line(std::string_view key, std::string_view value) {
    return std::string(key) + "=" + std::string(value) + "\n";
}

} // namespace

std::string SettingsIni(const HudColors& colors) {
    std::string ini = "[" + std::string(kColorsSection) + "]\n";
    for (const ColorKey& c : kColorKeys)
        ini += Line(c.key, Number(Channels(colors, c.color)[c.channel]));
    ini += "\n[" + std::string(kChickenSection) + "]\n";
    // Every group's frames are drawn under the default stems, and the settings say so.
    for (std::size_t g = 0; g < kGroups; ++g)
        ini += Line(kStemKeys[g], kStemDefaults[g]);
    return ini;
}

FileSet BuildSharedPictures() {
    FileSet files;
    files[std::string(kFontFile)] =
        EncodeTga(PaintFontSheet(), TgaLayout{TgaKind::Rgba32, true, false});
    files[std::string(kCursorFile)] = EncodeTga(PaintCrosshair(), TgaLayout{TgaKind::Rgba32});
    for (const int n : kIconSizes) {
        const std::string size = std::to_string(n) + "x" + std::to_string(n);
        files["icons/" + size + "/kluvian.png"] = Png(PaintIconAt(n));
    }
    return files;
}

FileSet BuildAreaPictures(const Area& area) {
    const Look& look = *area.look;
    const std::string folder = area.name + "/";
    FileSet files;
    AddLayerTiles(files, PaintMountainPanorama(look), kBackgroundTiles,
                  folder + std::string(kBackgroundStem), TgaKind::Rgb24, kBackgroundTiles);
    // The foreground pans 1.5 times as far as the background, 2400 units at most: its tiles of
    // 600 units from 0 to 5 come into view, the seventh never does.
    AddLayerTiles(files, PaintForestPanorama(look.forest), kForegroundTiles,
                  folder + std::string(kForegroundStem), TgaKind::Rgba32Rle, kForegroundTiles - 1);
    files[folder + std::string(kAmmoFile)] =
        EncodeTga(PaintCartridge(), TgaLayout{TgaKind::Rgba32});

    // The game draws the birds 25, 35 and 45 units wide. Each picture is softened for that
    // size, so it shows no aliasing at 800 x 600 yet keeps its detail when maximised. 128
    // texels would serve the small and medium birds a little better still, but they are
    // loaded 16 times each per game and would make starting a game a fifth slower.
    const struct {
        int pixels;
        double drawnAt;
    } groups[kGroups] = {{64, 25}, {64, 35}, {128, 45}};
    static_assert(kWingFrames == kFlightFrames);
    for (std::size_t g = 0; g < kGroups; ++g) {
        const auto& [pixels, drawnAt] = groups[g];
        const Plumage& plumage = look.birds[g];
        for (int f = 0; f < kWingFrames; ++f)
            files[folder + NumberedPicture(kStemDefaults[g], f)] =
                EncodeTga(PaintVulture(pixels, f, plumage, drawnAt), TgaLayout{TgaKind::Rgba32});
        files[folder + std::string(kFallingFiles[g])] =
            EncodeTga(PaintFallingVulture(pixels, plumage, drawnAt), TgaLayout{TgaKind::Rgba32});
    }
    const std::string ini = SettingsIni(look.hud);
    files[folder + std::string(kSettingsFile)] = {ini.begin(), ini.end()};
    return files;
}

FileSet BuildAreaSounds(const Area& area) {
    FileSet files;
    const std::string folder = area.name + "/";
    files[folder + std::string(kShotSoundFile)] = EncodeWav(SynthesizeGunshot(), kSampleRate);
    files[folder + std::string(kMusicFile)] = EncodeMp3(ComposeMusic(area.look->music));
    return files;
}

void WriteDataSet(const std::string& outDir, const std::vector<Area>& areas) {
    // An area's music takes about as long to make as its pictures, and only the ridges' rows
    // share themselves out among the cores: every area's music and pictures are made at once.
    std::vector<std::future<FileSet>> parts;
    for (const Area& area : areas) {
        parts.push_back(std::async(std::launch::async, BuildAreaSounds, std::cref(area)));
        parts.push_back(std::async(std::launch::async, BuildAreaPictures, std::cref(area)));
    }
    FileSet files = BuildSharedPictures();
    for (std::future<FileSet>& part : parts)
        files.merge(part.get());

    const std::filesystem::path root(outDir);
    for (const auto& [name, bytes] : files) {
        std::filesystem::create_directories((root / name).parent_path());
        std::ofstream out(root / name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        if (!out)
            throw std::runtime_error("cannot write " + (root / name).string());
    }
}

} // namespace kluvian::areagen
