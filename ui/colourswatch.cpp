// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/colourswatch.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

ColourSwatch::ColourSwatch(QWidget* parent) : QFrame(parent)
{
    setBevel(Bevel::Raised);
}

void ColourSwatch::setColour(const QColor& colour)
{
    if (colour == mColour)
        return;
    mColour = colour;
    update();
}

void ColourSwatch::setColour(const ScreenColour& colour)
{
    setColour(ToQColor(colour));
}

QColor ColourSwatch::shownColour() const
{
    return mColour.isValid() ? mColour : palette().color(QPalette::Window);
}

void ColourSwatch::setBevel(Bevel bevel)
{
    mBevel = bevel;
    // The frame itself is QFrame's: its shapes draw the Windows-style edges.
    switch (bevel) {
    case Bevel::Flat:
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
        break;
    case Bevel::Raised:
        setFrameStyle(QFrame::WinPanel | QFrame::Raised);
        break;
    case Bevel::Sunken:
        setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
        break;
    case Bevel::Ridge:
        setFrameStyle(QFrame::Box | QFrame::Raised);
        setLineWidth(1);
        setMidLineWidth(0);
        break;
    }
    update();
}

void ColourSwatch::setCaption(const QString& caption)
{
    if (caption == mCaption)
        return;
    mCaption = caption;
    update();
}

void ColourSwatch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), shownColour());
    if (!mCaption.isEmpty()) {
        // Black on light colours, white on dark ones: readable on any.
        painter.setPen(shownColour().lightness() < 128 ? Qt::white : Qt::black);
        painter.drawText(contentsRect(), Qt::AlignCenter, mCaption);
    }
    drawFrame(&painter);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        focus.backgroundColor = shownColour();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void ColourSwatch::mousePressEvent(QMouseEvent* event)
{
    mPressed = event->button() == Qt::LeftButton;
    QFrame::mousePressEvent(event);
}

void ColourSwatch::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = mPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    mPressed = false;
    QFrame::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

QColor ToQColor(const ScreenColour& colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}
