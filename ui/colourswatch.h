// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/colourwords.h"

#include <QColor>
#include <QFrame>
#include <QString>

class QMouseEvent;
class QPaintEvent;

// A box filled with one colour, with an optional centred caption and a
// bevelled edge. A left click released inside it emits clicked(). Serves the
// palette editor's swatches, preview and component boxes, and the art
// viewer's colour boxes.
class ColourSwatch : public QFrame
{
    Q_OBJECT

public:
    enum class Bevel {
        Flat,   // one plain dark line
        Raised, // raised outer and inner edge (two pixels)
        Sunken, // lowered outer and inner edge (two pixels)
        Ridge,  // raised outer edge, lowered inner edge
    };

    explicit ColourSwatch(QWidget* parent = nullptr);

    // The fill. An invalid colour (the initial state) fills with the window's
    // face colour.
    void setColour(const QColor& colour);
    void setColour(const ScreenColour& colour);
    QColor colour() const { return mColour; }
    // The colour the box is filled with now, the face colour resolved.
    QColor shownColour() const;

    void setBevel(Bevel bevel);
    Bevel bevel() const { return mBevel; }

    // Text drawn centred over the fill, in the window's text colour.
    void setCaption(const QString& caption);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor mColour;
    Bevel mBevel = Bevel::Raised;
    QString mCaption;
    bool mPressed = false;
};

// The toolkit colour of a screen colour.
QColor ToQColor(const ScreenColour& colour);
