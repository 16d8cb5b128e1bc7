// SPDX-License-Identifier: GPL-3.0-or-later
#include "areagen/Preview.h"

#include "areagen/Tga.h"
#include "game/AreaLayout.h"

#include <QPainter>
#include <QStringEncoder>
#include <QTransform>

#include <array>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace kluvian::areagen {

namespace {

constexpr double kViewWidth = kWorldWidth;
constexpr double kViewHeight = kWorldHeight;

struct Vertex {
    double s;
    double t;
    double x; // world units: x grows leftwards on the screen, y upwards
    double y;
};

// The texture exactly as the game uploads it: the first stored row is t = 0.
QImage Texture(const FileSet& files, const std::string& name) {
    const auto it = files.find(name);
    if (it == files.end())
        throw std::runtime_error("no picture " + name);
    QImage image = DecodeTgaRows(it->second);
    if (image.isNull())
        throw std::runtime_error("cannot read back " + name);
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// GL_MODULATE with a colour: every texel times (r, g, b).
QImage Tinted(const QImage& texture, const double (&rgb)[3]) {
    QImage out = texture.copy();
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb p = line[x];
            line[x] = qRgba(int(qRed(p) * rgb[0]), int(qGreen(p) * rgb[1]), int(qBlue(p) * rgb[2]),
                            qAlpha(p));
        }
    }
    return out;
}

// One textured quad, as glBegin(GL_QUADS) draws it with blending; `worldFrame` maps the
// vertices through the world projection, else they are pixels of the client area.
void DrawQuad(QPainter& p, const QImage& texture, const std::array<Vertex, 4>& v,
              bool worldFrame = true) {
    const double w = texture.width();
    const double h = texture.height();
    QPolygonF source;
    QPolygonF target;
    double s0 = 1;
    double s1 = 0;
    double t0 = 1;
    double t1 = 0;
    for (const Vertex& q : v) {
        source << QPointF(q.s * w, q.t * h);
        target << (worldFrame ? QPointF(kViewWidth - q.x, kViewHeight - q.y) : QPointF(q.x, q.y));
        s0 = std::min(s0, q.s);
        s1 = std::max(s1, q.s);
        t0 = std::min(t0, q.t);
        t1 = std::max(t1, q.t);
    }
    QTransform map;
    if (!QTransform::quadToQuad(source, target, map))
        return;
    p.save();
    p.setTransform(map, true);
    const QRectF part(s0 * w, t0 * h, (s1 - s0) * w, (t1 - t0) * h);
    p.drawImage(part, texture, part);
    p.restore();
}

void DrawSprite(QPainter& p, const QImage& texture, bool mirror, double x, double y, double size) {
    const double a = mirror ? 0 : 1;
    DrawQuad(p, texture,
             {{{a, 0, x, y},
               {1 - a, 0, x + size, y},
               {1 - a, 1, x + size, y + size},
               {a, 1, x, y + size}}});
}

void DrawFontText(QPainter& p, const QImage& font, const QByteArray& text, int x, int y, int size,
                  const double (&rgb)[3]) {
    const QImage tinted = Tinted(font, rgb);
    for (int i = 1; i <= text.size(); ++i) {
        const int k = static_cast<unsigned char>(text[i - 1]);
        const double cx = (k % 16) * 0.0625;
        const double cy = (k / 16) * 0.0625;
        const double h = (i * size) / 2.0;
        DrawQuad(p, tinted,
                 {{{cx, cy + 0.0625, x - h, double(y)},
                   {cx + 0.0625, cy + 0.0625, x - h - size, double(y)},
                   {cx + 0.0625, cy, x - h - size, double(y + size)},
                   {cx, cy, x - h, double(y + size)}}});
    }
}

QByteArray Cp1250(const char* utf8) {
    QStringEncoder encode("windows-1250");
    return encode(QString::fromUtf8(utf8));
}

double ReadColour(const std::string& ini, const std::string& key) {
    const auto at = ini.find(key + "=");
    if (at == std::string::npos)
        throw std::runtime_error("settings.ini lacks " + key);
    return std::stod(ini.substr(at + key.size() + 1));
}

struct Bird {
    int group; // 0 small, 1 medium, 2 big
    int frame;
    double x;
    double y;
    double dx;
    bool falling;
};

struct View {
    double backScroll;
    int ammo;
    int score;
    int time;
    QPointF mouse;
    std::vector<Bird> birds;
    std::vector<const char*> extraLines;
};

class Scene {
public:
    Scene(const FileSet& files, const std::string& area) {
        const std::string folder = area + "/";
        for (std::size_t n = 0; n < back_.size(); ++n)
            back_[n] = Texture(files, folder + NumberedPicture(kBackgroundStem, int(n)));
        for (std::size_t n = 0; n < front_.size(); ++n)
            front_[n] = Texture(files, folder + NumberedPicture(kForegroundStem, int(n)));
        // The generator names the frames after the default stems.
        for (std::size_t g = 0; g < kGroups; ++g) {
            for (std::size_t f = 0; f < kFlightFrames; ++f)
                frames_[g][f] = Texture(files, folder + NumberedPicture(kStemDefaults[g], int(f)));
            falling_[g] = Texture(files, folder + std::string(kFallingFiles[g]));
        }
        ammo_ = Texture(files, folder + std::string(kAmmoFile));
        font_ = Texture(files, std::string(kFontFile));
        cursor_ = Texture(files, std::string(kCursorFile));
        const std::string settings = folder + std::string(kSettingsFile);
        const auto it = files.find(settings);
        if (it == files.end())
            throw std::runtime_error("no " + settings);
        const auto& bytes = it->second;
        const std::string ini(bytes.begin(), bytes.end());
        for (const ColorKey& c : kColorKeys) {
            double* rgb = c.color == HudColor::Score  ? score_
                          : c.color == HudColor::Time ? time_
                          : c.color == HudColor::Fps  ? fps_
                                                      : nullptr;
            if (rgb != nullptr)
                rgb[c.channel] = ReadColour(ini, std::string(c.key));
        }
    }

    QImage Draw(const View& view) const {
        QImage image(int(kViewWidth), int(kViewHeight), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::black);
        QPainter p(&image);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.setRenderHint(QPainter::Antialiasing);
        DrawBackground(p, view.backScroll);
        for (const Bird& b : view.birds)
            if (b.group < 2)
                DrawBird(p, b);
        DrawForeground(p, view.backScroll * 1.5);
        for (const Bird& b : view.birds)
            if (b.group == 2)
                DrawBird(p, b);
        for (int i = 1; i <= view.ammo; ++i)
            DrawSprite(p, ammo_, false, (i - 1) * 30 - 90, 0, 128);
        const QByteArray fps = "60 FPS";
        DrawFontText(p, font_, fps, 14 * int(fps.size()), 2, 20, fps_);
        DrawFontText(p, font_, "Wynik: " + QByteArray::number(view.score), 815, 565, 30, score_);
        DrawFontText(p, font_, "Czas: " + QByteArray::number(view.time), 815, 535, 30, time_);
        for (std::size_t line = 0; line < view.extraLines.size(); ++line)
            DrawFontText(p, font_, Cp1250(view.extraLines[line]), 815, 470 - 34 * int(line), 30,
                         line % 2 ? time_ : score_);
        // The cross-hair in the pixel frame, at rest.
        const double mx = view.mouse.x();
        const double my = view.mouse.y();
        DrawQuad(p, cursor_,
                 {{{1, 0, mx + 32, my + 32},
                   {0, 0, mx - 32, my + 32},
                   {0, 1, mx - 32, my - 32},
                   {1, 1, mx + 32, my - 32}}},
                 false);
        p.end();
        return image;
    }

    // The two layers alone, panned as far as `backScroll`.
    QImage Backdrop(double backScroll) const {
        QImage image(int(kViewWidth), int(kViewHeight), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::black);
        QPainter p(&image);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        DrawBackground(p, backScroll);
        DrawForeground(p, backScroll * 1.5);
        return image;
    }

    // Frame 0..5 of a group, or 6 for the falling bird, upright with its top-left corner at a
    // pixel of the client area, unmirrored.
    void DrawBirdPicture(QPainter& p, int group, int frame, QPointF at) const {
        const QImage& texture = frame < 6 ? frames_[group][frame] : falling_[group];
        const double size = 25 + 10 * group;
        const double x = at.x();
        const double y = at.y();
        DrawQuad(
            p, texture,
            {{{0, 1, x, y}, {1, 1, x + size, y}, {1, 0, x + size, y + size}, {0, 0, x, y + size}}},
            false);
    }

private:
    // A layer of square tiles `edge` units wide, the first one's left edge at x.
    template <std::size_t N>
    static void DrawLayer(QPainter& p, const std::array<QImage, N>& tiles, double edge, double x) {
        for (std::size_t k = 0; k < N; ++k) {
            const double x0 = double(k) * edge + x;
            DrawQuad(
                p, tiles[k],
                {{{0, 0, x0, 0}, {1, 0, x0 + edge, 0}, {1, 1, x0 + edge, edge}, {0, 1, x0, edge}}});
        }
    }
    void DrawBackground(QPainter& p, double back) const {
        DrawLayer(p, back_, kBackTileEdge, back);
    }
    void DrawForeground(QPainter& p, double front) const {
        DrawLayer(p, front_, kFrontTileEdge, front);
    }
    void DrawBird(QPainter& p, const Bird& b) const {
        const double size = 25 + 10 * b.group;
        if (b.falling)
            DrawSprite(p, falling_[b.group], false, b.x, b.y, size);
        else
            DrawSprite(p, frames_[b.group][b.frame], b.dx > 0, b.x, b.y, size);
    }

    std::array<QImage, kBackgroundTiles> back_;
    std::array<QImage, kForegroundTiles> front_;
    std::array<std::array<QImage, kFlightFrames>, kGroups> frames_;
    std::array<QImage, kGroups> falling_;
    QImage ammo_;
    QImage font_;
    QImage cursor_;
    double score_[3] = {};
    double time_[3] = {};
    double fps_[3] = {};
};

constexpr int kBirdPanelHeight = 352;

// Every bird picture of each size, the six frames and the falling bird, as the game draws it in
// the 800 x 600 window, then the same pixels enlarged three times, on sky or on forest.
QImage BirdPanel(const Scene& scene, bool forest) {
    constexpr int kEnlarged = 3;
    const int top = forest ? 600 - kBirdPanelHeight : 40; // the sky, or the woods and trees
    QImage panel(1600, kBirdPanelHeight, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&panel);
    p.drawImage(QPoint(0, 0), scene.Backdrop(forest ? -400 : 0),
                QRect(0, top, 800, kBirdPanelHeight));
    p.drawImage(QPoint(800, 0), scene.Backdrop(forest ? -1200 : -800),
                QRect(0, top, 800, kBirdPanelHeight));
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // The pictures at 1:1 lie in the sky or in the woods; their enlargements to the right.
    const std::array<int, 3> rows = forest ? std::array{192, 228, 274} : std::array{6, 40, 84};
    std::vector<QRect> cells;
    for (int g = 0; g < 3; ++g) {
        const int size = 25 + 10 * g;
        for (int f = 0; f < 7; ++f) {
            cells.emplace_back(8 + f * (size + 6), rows[std::size_t(g)], size, size);
            scene.DrawBirdPicture(p, g, f, cells.back().topLeft());
        }
    }
    p.end();
    p.begin(&panel);
    int y = 6;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const QRect& cell = cells[i];
        const QRect big(360 + int(i % 7) * (kEnlarged * cell.width() + 8), y,
                        kEnlarged * cell.width(), kEnlarged * cell.height());
        p.drawImage(big, panel.copy(cell).scaled(big.size(), Qt::IgnoreAspectRatio,
                                                 Qt::FastTransformation));
        if (i % 7 == 6)
            y += big.height() + 10;
    }
    p.end();
    return panel;
}

} // namespace

QImage ComposePreview(const FileSet& pictures, const std::string& area) {
    const Scene scene(pictures, area);
    const std::vector<View> views{
        {0,
         8,
         0,
         90,
         {430, 250},
         {{0, 0, 620, 420, -2, false},
          {1, 2, 300, 300, 3, false},
          {2, 4, 120, 210, -4, false},
          {0, 3, 500, 160, 1, false},
          {1, 5, 700, 480, -1, false}},
         {}},
        {-800,
         5,
         125,
         61,
         {520, 330},
         {{2, 1, 420, 260, 2, false},
          {1, 0, 250, 360, -3, false},
          {0, 4, 560, 300, 4, true},
          {0, 2, 150, 120, -1, false},
          {2, 3, 680, 420, -5, false}},
         {}},
        {-1600,
         2,
         263,
         9,
         {300, 200},
         {{1, 3, 380, 230, -2, true},
          {2, 5, 520, 380, 3, false},
          {0, 1, 90, 300, 2, false},
          {1, 4, 640, 140, -4, false}},
         {}},
        {-400,
         7,
         -6,
         88,
         {640, 420},
         {{2, 0, 300, 330, -3, false}, {0, 5, 520, 250, 2, false}},
         {"Zażółć gęślą jaźń!", "ZAŻÓŁĆ GĘŚLĄ JAŹŃ", "0123456789 %&@#?()"}},
    };
    QImage sheet(1600, 1200 + 2 * kBirdPanelHeight, QImage::Format_RGB32);
    QPainter p(&sheet);
    for (std::size_t i = 0; i < views.size(); ++i)
        p.drawImage(QPointF(800.0 * (i % 2), 600.0 * (i / 2)), scene.Draw(views[i]));
    p.drawImage(0, 1200, BirdPanel(scene, false));
    p.drawImage(0, 1200 + kBirdPanelHeight, BirdPanel(scene, true));
    p.end();
    return sheet;
}

void WritePreview(const std::string& pngPath, const Area& area) {
    FileSet files = BuildSharedPictures();
    files.merge(BuildAreaPictures(area));
    if (!ComposePreview(files, area.name).save(QString::fromStdString(pngPath), "PNG"))
        throw std::runtime_error("cannot write " + pngPath);
}

} // namespace kluvian::areagen
