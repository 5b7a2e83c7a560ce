// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Texts the user reads, in the user's language. The plain code marks each
// one with Translated("Context", "English text"), which lupdate reads as it
// reads QCoreApplication::translate; the programs install Qt's translation
// at start (InstallTranslator), and without it the English text is the
// answer. Texts are UTF-8.

// A translation routine: context, English text, disambiguation (or
// nullptr) and the count of a plural text (-1 when none). It replaces %n
// with the count, as QCoreApplication::translate does.
using Translator = std::string (*)(const char* context, const char* source, const char* disambiguation, int n);

// Marks a text of a table for lupdate where it is written, keeping the
// English there; Translated(context, text) shows it where it is read. Qt
// code has the same macro from Qt itself.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

// Makes translator the answer of every later Translated; nullptr restores
// the English texts.
void InstallTranslator(Translator translator);

// source in the user's language. With n >= 0, a plural text whose %n is
// replaced by n; its English form writes "(s)" where the plural adds an "s"
// ("%n byte(s)").
std::string Translated(const char* context, const char* source, const char* disambiguation = nullptr, int n = -1);

// text with its lowest-numbered place marker (%1 to %99) replaced by the
// first argument, the next lowest by the second and so on, as chained
// QString::arg calls do; markers beyond the arguments stay.
std::string Substituted(std::string_view text, std::initializer_list<std::string_view> arguments);
