// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/translate.h"

#include <gtest/gtest.h>

#include <string>

// Place markers are taken in the order of their numbers, whatever their
// order in the text (a translation may turn a sentence round), and the
// text an argument brings in is never read as a marker.
TEST(Substituted, FillsMarkersByTheirNumbers)
{
    const struct
    {
        const char* text;
        const char* expected;
    } cases[] = {
        {"%1 is %2", "a.bin is short"},
        {"%2 holds %1", "short holds a.bin"},
        {"%1, %1", "a.bin, a.bin"},
        {"%3 then %5", "a.bin then short"},
        {"%10 and %2", "short and a.bin"},
        {"100% of %1", "100% of a.bin"},
        {"%1 %2 %9", "a.bin short %9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Substituted(c.text, {"a.bin", "short"}), c.expected);
    }
    EXPECT_EQ(Substituted("%1 and %2", {"%2", "x"}), "%2 and x");
}

// Without a translator the English stands, plural texts included.
TEST(Translated, EnglishWithoutATranslator)
{
    InstallTranslator(nullptr);
    EXPECT_EQ(Translated("Files", "Cannot open file %1"), "Cannot open file %1");
    EXPECT_EQ(Translated("Detection", "%n byte(s) of %1", nullptr, 1), "1 byte of %1");
    EXPECT_EQ(Translated("Detection", "%n byte(s) of %1", nullptr, 0), "0 bytes of %1");
    EXPECT_EQ(Translated("Detection", "%n byte(s), %n value(s)", nullptr, 12), "12 bytes, 12 values");
}

// An installed translator answers every later text, with the count.
TEST(Translated, AskTheInstalledTranslator)
{
    InstallTranslator([](const char* context, const char* source, const char*, int n) {
        return std::string(context) + "/" + source + "/" + std::to_string(n);
    });
    EXPECT_EQ(Translated("Files", "Stream read error"), "Files/Stream read error/-1");
    EXPECT_EQ(Translated("Detection", "%n byte(s)", nullptr, 3), "Detection/%n byte(s)/3");
    InstallTranslator(nullptr);
}
