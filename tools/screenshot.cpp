// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// mezzurix-screenshot OUT.png [--full]
// Waits until something is drawn on the display's root window and has stopped changing, then saves
// it, cropped to what was drawn unless --full is given.
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QThread>

#include <cstdio>

namespace {

QRect drawnArea(const QImage& image)
{
    const QRgb background = image.pixel(0, 0);
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == background)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: mezzurix-screenshot OUT.png [--full]\n");
        return 2;
    }
    const bool full = args.contains(QStringLiteral("--full"));
    QScreen* screen = QGuiApplication::primaryScreen();

    QImage previous;
    constexpr int kPollMs = 200;
    constexpr int kTimeoutMs = 20000;
    for (int waited = 0; waited < kTimeoutMs; waited += kPollMs) {
        QThread::msleep(kPollMs);
        const QImage image = screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
        const QRect area = drawnArea(image);
        if (area.isValid() && image == previous) {
            const QImage out = full ? image : image.copy(area);
            return out.save(args.at(1)) ? 0 : 1;
        }
        previous = image;
    }
    std::fprintf(stderr, "mezzurix-screenshot: nothing was drawn on the display\n");
    return 1;
}
