// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/translate.h"

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

// The one exception type of the program. Its message is the exact text the
// user sees in the general error report (UTF-8). A failure the system
// reported carries its errno too, for the command line to name the reason.
class KorvaneError : public std::runtime_error
{
public:
    explicit KorvaneError(const std::string& message, int systemError = 0)
        : std::runtime_error(message), mSystemError(systemError)
    {
    }

    // errno of the failed system call, 0 when there was none.
    int systemError() const { return mSystemError; }

private:
    int mSystemError;
};

// "Cannot open file <path>".
inline std::string CannotOpenMessage(const std::string& path)
{
    return Substituted(Translated("Files", "Cannot open file %1"), {path});
}

// CannotOpenMessage: the file could not be opened (systemError says why).
class OpenError : public KorvaneError
{
public:
    OpenError(const std::string& path, int systemError)
        : KorvaneError(CannotOpenMessage(path), systemError), mPath(path)
    {
    }

    const std::string& path() const { return mPath; }

private:
    std::string mPath;
};

// A value an editor refuses to save. field is the value's index in the
// editor's table (object row, text field, palette byte), so that the window
// can show the control that holds it.
class FieldError : public KorvaneError
{
public:
    FieldError(std::size_t field, const std::string& message) : KorvaneError(message), mField(field) {}

    std::size_t field() const { return mField; }

private:
    std::size_t mField;
};

// Where a check goes on past the first refusal: every field's, in order.
using FieldErrors = std::vector<FieldError>;
