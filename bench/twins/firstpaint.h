// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

#include <chrono>
#include <cstdint>

// Notes the steady clock (ns) at the first paint of a window: when the user
// first sees it.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QWidget* window) { window->installEventFilter(this); }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && ns == 0)
            ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                     std::chrono::steady_clock::now().time_since_epoch())
                     .count();
        return false;
    }

    // Turns the event loop until the window was painted (at most about 5 s);
    // whether it was.
    bool wait()
    {
        for (int i = 0; i < 5000 && ns == 0; ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        return ns != 0;
    }

    std::int64_t ns = 0;
};
