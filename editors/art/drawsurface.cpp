// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/art/drawsurface.h"

#include <QPainter>

#include <algorithm>

DrawSurface::DrawSurface(QWidget* parent) : QWidget(parent) {}

void DrawSurface::prepare()
{
    mImage = QImage(size(), QImage::Format_RGB32);
    mImage.fill(qRgb(0, 0, 0));
    update();
}

void DrawSurface::fill(QRgb colour)
{
    if (!ready())
        return;
    mImage.fill(colour);
    update();
}

void DrawSurface::drawSprites(const std::vector<Sprite>& sprites)
{
    if (!ready())
        return;
    for (const Sprite& sprite : sprites) {
        if (!sprite.picture)
            continue;
        const QImage& picture = sprite.picture->image;
        const int width = std::min(sprite.width, picture.width());
        const int height = std::min(sprite.height, picture.height());
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const QPoint at = sprite.position + QPoint(x, y);
                const QRgb pixel = picture.pixel(x, y) | 0xFF000000u;
                if (pixel != (sprite.picture->transparent | 0xFF000000u) && mImage.valid(at))
                    mImage.setPixel(at, pixel);
            }
        }
    }
    update();
}

void DrawSurface::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (ready())
        painter.drawImage(0, 0, mImage);
    else
        painter.fillRect(rect(), Qt::black);
}
