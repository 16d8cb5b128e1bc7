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
        files[stem + std::to_string(k) + ".tga"] = EncodeTga(tile, TgaLayout{kind, false, true});
    }
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

} // namespace

std::string SettingsIni(const HudColors& colors) {
    std::string ini = "[colors]\n";
    auto put = [&](const char* name, const double(&rgb)[3]) {
        const char* channels[] = {"R", "G", "B"};
        for (int i = 0; i < 3; ++i)
            ini += std::string(name) + channels[i] + "=" + Number(rgb[i]) + "\n";
    };
    put("score", colors.score);
    put("time", colors.time);
    put("help", colors.help);
    put("fps", colors.fps);
    ini += "\n[chicken]\n"
           "smallChickenTextures=smallChickenRight\n"
           "mediumChickenTextures=mediumChickenRight\n"
           "bigChickenTextures=bigChickenRight\n";
    return ini;
}

FileSet BuildSharedPictures() {
    FileSet files;
    files["font.tga"] = EncodeTga(PaintFontSheet(), TgaLayout{TgaKind::Rgba32, true, false});
    files["cursor.tga"] = EncodeTga(PaintCrosshair(), TgaLayout{TgaKind::Rgba32});
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
    AddLayerTiles(files, PaintMountainPanorama(look), 3, folder + "backgroundLayer", TgaKind::Rgb24,
                  3);
    // The foreground pans 1.5 times as far as the background, 2400 units at most: its tiles of
    // 600 units from 0 to 5 come into view, the seventh never does.
    AddLayerTiles(files, PaintForestPanorama(look.forest), 7, folder + "foregroundLayer",
                  TgaKind::Rgba32Rle, 6);
    files[folder + "ammo.tga"] = EncodeTga(PaintCartridge(), TgaLayout{TgaKind::Rgba32});

    // The game draws the birds 25, 35 and 45 units wide. Each picture is softened for that
    // size, so it shows no aliasing at 800 x 600 yet keeps its detail when maximised. 128
    // texels would serve the small and medium birds a little better still, but they are
    // loaded 16 times each per game and would make starting a game a fifth slower.
    const struct {
        const char* name;
        int pixels;
        double drawnAt;
    } groups[] = {{"small", 64, 25}, {"medium", 64, 35}, {"big", 128, 45}};
    for (std::size_t g = 0; g < 3; ++g) {
        const auto& [name, pixels, drawnAt] = groups[g];
        const Plumage& plumage = look.birds[g];
        for (int f = 0; f < kWingFrames; ++f)
            files[folder + name + "ChickenRight" + std::to_string(f) + ".tga"] =
                EncodeTga(PaintVulture(pixels, f, plumage, drawnAt), TgaLayout{TgaKind::Rgba32});
        files[folder + name + "ChickenFalling.tga"] =
            EncodeTga(PaintFallingVulture(pixels, plumage, drawnAt), TgaLayout{TgaKind::Rgba32});
    }
    const std::string ini = SettingsIni(look.hud);
    files[folder + "settings.ini"] = {ini.begin(), ini.end()};
    return files;
}

FileSet BuildAreaSounds(const Area& area) {
    FileSet files;
    files[area.name + "/gunshot.wav"] = EncodeWav(SynthesizeGunshot(), kSampleRate);
    files[area.name + "/music.mp3"] = EncodeMp3(ComposeMusic(area.look->music));
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
