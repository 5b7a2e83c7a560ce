// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <functional>
#include <type_traits>
#include <utility>

// Runs an event handler; an error escaping it goes to the general error
// report instead of unwinding through the toolkit. Returns false when the
// handler ended on an error.
bool RunHandler(const std::function<void()>& handler);

// Connects signal of sender to the member handler of receiver through
// RunHandler. A handler that takes no arguments may serve a signal that
// passes some (clicked(bool)).
template <typename Sender, typename Signal, typename Receiver, typename Handler>
QMetaObject::Connection ConnectHandler(Sender* sender, Signal signal, Receiver* receiver, Handler handler)
{
    return QObject::connect(sender, signal, receiver, [receiver, handler](auto&&... args) {
        RunHandler([&] {
            if constexpr (std::is_invocable_v<Handler, Receiver*, decltype(args)...>)
                std::invoke(handler, receiver, std::forward<decltype(args)>(args)...);
            else
                std::invoke(handler, receiver);
        });
    });
}

// Runs read, then show, also when read ends on an error: a window shows what
// was read before the error, which then propagates.
template <typename Read, typename Show>
void ReadThenShow(Read&& read, Show&& show)
{
    try {
        read();
    } catch (...) {
        show();
        throw;
    }
    show();
}

class QDialog;

// Makes no push button of dialog the one Enter presses: in an editor, Enter
// in a field must not save.
void NoButtonOnEnter(QDialog* dialog);
