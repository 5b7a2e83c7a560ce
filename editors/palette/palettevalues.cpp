// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "document/editorvalues.h"
#include "editors/editorlist.h"

#include "core/codepage.h"
#include "core/colourwords.h"
#include "core/korvaneerror.h"
#include "core/numbers.h"
#include "editors/palette/palettemodel.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <memory>

namespace {

const QString kPalettes = QStringLiteral("palettes");

// One palette of the list, read as the editor reads it.
struct Palette
{
    QString name;
    PaletteEntry entry;
    PaletteModel model;
    PaletteColours wanted{};
};

// Every palette of the game's palette list, keyed by its name in the list,
// as arrays of four-digit hexadecimal colour words.
class PaletteValuesSection : public EditorValues
{
public:
    explicit PaletteValuesSection(std::string gameCode) : mGameCode(std::move(gameCode)) {}

    QString key() const override { return kPalettes; }

    void setMoves(const std::shared_ptr<const ValueMoves>& moves) override
    {
        mMoves = moves;
        for (const auto& palette : mPalettes)
            palette->model.setMoves(moves);
    }

    void read(RomFile& file, std::vector<std::string>& notes) override
    {
        mPalettes.clear();
        std::vector<PaletteEntry> table;
        std::size_t count = 0;
        try {
            count = LoadPaletteList(PaletteListPath(mGameCode), table, [](const std::string&) {});
        } catch (const KorvaneError& e) {
            notes.push_back(QCoreApplication::translate("PaletteValues", "%1: %2; the palettes left out")
                                .arg(kPalettes, QString::fromStdString(e.what()))
                                .toStdString());
            return;
        }
        for (std::size_t i = 0; i < count; ++i) {
            auto palette = std::make_unique<Palette>();
            palette->entry = table[i];
            palette->name = QString::fromStdString(Cp1252ToUtf8(table[i].name));
            // Two lines of one name: the later one is told apart by its line.
            if (find(palette->name))
                palette->name += QStringLiteral(" (line %1)").arg(i + 1);
            palette->model.setEntry(palette->entry);
            palette->model.setMoves(mMoves);
            try {
                palette->model.read(file);
            } catch (const KorvaneError& e) {
                notes.push_back(QCoreApplication::translate("PaletteValues", "%1: %2: %3; left out")
                                    .arg(kPalettes, palette->name, QString::fromStdString(e.what()))
                                    .toStdString());
                continue;
            }
            palette->wanted = palette->model.stored();
            mPalettes.push_back(std::move(palette));
        }
    }

    QJsonObject values() const override { return toJson(false); }

    std::vector<ValuePlace> places() const override
    {
        std::vector<ValuePlace> places;
        for (const auto& palette : mPalettes)
            places.push_back(PlaceOf(kPalettes, palette->name, palette->entry.offset, 2 * std::int64_t{palette->entry.count}));
        return places;
    }
    QJsonObject wanted() const override { return toJson(true); }

    void want(const QJsonObject& section, Refusals& refusals) override
    {
        std::vector<QString> keys;
        for (const auto& palette : mPalettes)
            keys.push_back(palette->name);
        CheckKeys(kPalettes, section, keys, refusals);
        for (const auto& palette : mPalettes) {
            if (!section.contains(palette->name))
                continue;
            const std::size_t count = palette->entry.count;
            std::vector<QJsonValue> words;
            if (!refusals.check([&] { words = ArrayOf(kPalettes, palette->name, section.value(palette->name), count); }))
                continue;
            PaletteColours wanted = palette->model.stored();
            for (std::size_t i = 0; i < count; ++i) {
                const QString field = QCoreApplication::translate("PaletteValues", "%1 colour %2")
                                          .arg(palette->name, QString::number(i));
                refusals.check([&] {
                    const std::string text = StringOf(kPalettes, field, words[i]).toStdString();
                    // As "Change" takes a typed word: a word as read stays
                    // as it is, any other keeps to the colour bits.
                    try {
                        wanted[i] = ParseColourWord(text, palette->entry.format, palette->model.stored()[i],
                                                    field.toStdString());
                    } catch (const KorvaneError& e) {
                        Refuse(kPalettes, field, e.what());
                    }
                });
            }
            palette->wanted = wanted;
        }
    }

    std::vector<EditorModel*> models() override
    {
        std::vector<EditorModel*> models;
        for (const auto& palette : mPalettes) {
            palette->model.want(palette->wanted);
            models.push_back(&palette->model);
        }
        return models;
    }

    std::string writeRefusal() const override
    {
        for (const auto& palette : mPalettes) {
            if (const std::string refusal = palette->model.unreadRefusal(); !refusal.empty())
                return palette->name.toStdString() + ": " + refusal;
        }
        return {};
    }

    std::vector<ByteSpan> spans() const override
    {
        std::vector<ByteSpan> spans;
        for (const auto& palette : mPalettes)
            spans.push_back(palette->model.spans().front());
        return spans;
    }

private:
    const Palette* find(const QString& name) const
    {
        for (const auto& palette : mPalettes) {
            if (palette->name == name)
                return palette.get();
        }
        return nullptr;
    }

    QJsonObject toJson(bool wanted) const
    {
        QJsonObject object;
        for (const auto& palette : mPalettes) {
            QJsonArray words;
            const PaletteColours& colours = wanted ? palette->wanted : palette->model.stored();
            for (std::size_t i = 0; i < palette->entry.count; ++i)
                words.append(QString::fromStdString(HexStr(colours[i], 4)));
            object.insert(palette->name, words);
        }
        return object;
    }

    std::string mGameCode;
    std::vector<std::unique_ptr<Palette>> mPalettes;
    std::shared_ptr<const ValueMoves> mMoves;
};

} // namespace

std::unique_ptr<EditorValues> NewPalettesValues(const std::string& gameCode)
{
    return std::make_unique<PaletteValuesSection>(gameCode);
}
