// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

#include <vector>

class QPaintEvent;

// A picture of a picture list, with the colour that is not drawn.
struct Picture
{
    QImage image;
    QRgb transparent = qRgb(0, 0, 0);
};

// One sprite of a sprite list: a picture drawn at a size and position.
struct Sprite
{
    const Picture* picture = nullptr;
    int width = 0;
    int height = 0;
    QPoint position;
};

// A drawing area that keeps what was drawn on it and shows it whenever the
// widget repaints.
class DrawSurface : public QWidget
{
    Q_OBJECT

public:
    explicit DrawSurface(QWidget* parent = nullptr);

    // Makes the area ready: an image of the widget's size, black. Until then
    // nothing can be drawn.
    void prepare();
    bool ready() const { return !mImage.isNull(); }

    // Fills the whole area with one colour.
    void fill(QRgb colour);
    // Draws every sprite, in list order, leaving its picture's transparent
    // pixels out. A sprite larger than its picture draws the picture once;
    // does nothing while the area is not ready.
    void drawSprites(const std::vector<Sprite>& sprites);

    const QImage& image() const { return mImage; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage mImage;
};
