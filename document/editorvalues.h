// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/editormodel.h"
#include "core/locate.h"
#include "core/korvaneerror.h"
#include "core/numbers.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <string>
#include <vector>

// The refusals of one document, one line each ("<editor>: <field>:
// <reason>"), so that a check goes on past the first.
class Refusals
{
public:
    // Runs check, which refuses by throwing KorvaneError (Refuse); a refusal
    // is recorded and the check of the next value goes on. Returns whether
    // check passed.
    bool check(const std::function<void()>& check);
    void add(const QString& editor, const QString& field, const std::string& reason);
    void add(const std::string& line) { mLines.push_back(line); }
    // Each of a model's refusals, named by the field name of its index.
    void add(const QString& editor, const FieldErrors& errors,
             const std::function<QString(std::size_t field)>& nameOf);
    const std::vector<std::string>& lines() const { return mLines; }

private:
    std::vector<std::string> mLines;
};


// One editor of one game as the values document sees it: its values read
// from an image as a JSON section, and a section checked and written back
// through the editor's model, so that the tool and the window never
// disagree.
class EditorValues
{
public:
    virtual ~EditorValues() = default;

    // The section's key in the document ("objects").
    virtual QString key() const = 0;

    // Reads the editor's values from the image open as file, anew each
    // time. A value that cannot be read (a short image, a missing list) is
    // left out, with one note each.
    virtual void read(RomFile& file, std::vector<std::string>& notes) = 0;
    // Where the values that moved lie: the reads and writes after this take
    // them there.
    virtual void setMoves(const std::shared_ptr<const ValueMoves>& moves) = 0;
    // The values read, as the document holds them.
    virtual QJsonObject values() const = 0;

    // Makes section the values to write: every key must be one of the
    // editor's, and every value of the right type and accepted as the window
    // accepts it; keys left out keep their values. Adds one line
    // "<key>: <field>: <reason>" to refusals for each value refused. Needs
    // read().
    virtual void want(const QJsonObject& section, Refusals& refusals) = 0;
    // The values to write, as the document holds them.
    virtual QJsonObject wanted() const = 0;
    // The editor's models, holding the wanted values: what a Save of the
    // section writes (ImageSession::save).
    virtual std::vector<EditorModel*> models() = 0;
    // Why write() would refuse before its first write whatever the image
    // holds now (not every value was read); empty when it would not. Checked
    // for every section before any section writes.
    virtual std::string writeRefusal() const = 0;

    // Where the editor's values lie in the image (after read()).
    virtual std::vector<ByteSpan> spans() const = 0;
    // The same one value at a time, each named "<section>/<field>" as
    // korvane-tool locate and the layout file name it ("objects/EHZ boss
    // hits", "water/Level 1 palette", "palettes/Title screen").
    virtual std::vector<ValuePlace> places() const = 0;

    // The hexadecimal digits the window shows the number at path (its keys
    // below the section, space-separated: "Pelbo max speed", "Level 1
    // palette") with; 0 for a number it shows in decimal.
    virtual int hexDigitsOf(const QString& path) const
    {
        Q_UNUSED(path);
        return 0;
    }
};

// A section over one model: the model, and the values the document wants,
// which a Save of the section hands to the model first.
template <typename Model, typename Values>
class ModelSection : public EditorValues
{
public:
    template <typename... Arguments>
    explicit ModelSection(Arguments&&... arguments) : mModel(std::forward<Arguments>(arguments)...)
    {
    }

    std::vector<EditorModel*> models() override
    {
        mModel.want(mWanted);
        return {&mModel};
    }
    std::string writeRefusal() const override { return mModel.unreadRefusal(); }
    std::vector<ByteSpan> spans() const override { return mModel.spans(); }
    void setMoves(const std::shared_ptr<const ValueMoves>& moves) override { mModel.setMoves(moves); }

protected:
    Model mModel;
    Values mWanted{};
};

// Helpers of the editors' sections. Each throws KorvaneError
// "<editor>: <field>: <reason>" when the value does not fit.
[[noreturn]] void Refuse(const QString& editor, const QString& field, const std::string& reason);
// text in single quotes, as refusals show the value they refuse.
std::string Quoted(const std::string& text);
std::int64_t IntegerOf(const QString& editor, const QString& field, const QJsonValue& value);
// A number given as a JSON integer, or as a string in any form the window's
// box takes ("$680", "0x680", "680h", bare digits in a hexadecimal field),
// read by the windows' own parser. A value equal to kept is taken whatever
// the range (a value left as exported); any other must lie in number's.
std::int64_t NumberOf(const QString& editor, const QString& field, const QJsonValue& value,
                      const NumberField& number, std::optional<std::int64_t> kept = std::nullopt);
// The text the window's box would hold for such a number: a string as it
// is (the model's check reads it as the window's Save does), an integer in
// number's form once it lies in its range.
std::string NumberTextOf(const QString& editor, const QString& field, const QJsonValue& value,
                         const NumberField& number);
QString StringOf(const QString& editor, const QString& field, const QJsonValue& value);
// An array of exactly count elements.
std::vector<QJsonValue> ArrayOf(const QString& editor, const QString& field, const QJsonValue& value, std::size_t count);
// The names of a level list (ReadLevelNames).
QStringList LevelNames(const char* listFile);

// The place "<section>/<field>" of a value at offset, size bytes long.
ValuePlace PlaceOf(const QString& section, const QString& field, std::int64_t offset, std::int64_t size);

// Refuses every key of section that is not in keys.
void CheckKeys(const QString& editor, const QJsonObject& section, const std::vector<QString>& keys,
               Refusals& refusals);
