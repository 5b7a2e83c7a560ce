// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "document/editorvalues.h"
#include "editors/editorlist.h"

#include "core/korvaneerror.h"
#include "core/numbers.h"
#include "core/supportfiles.h"
#include "editors/water/watermodel.h"

#include <QCoreApplication>

#include <memory>
#include <optional>

namespace {

const QString kWater = QStringLiteral("water");
const QString kZone = QStringLiteral("zone");
const QString kAct = QStringLiteral("act");
const QString kPalette = QStringLiteral("palette");

QString rowKey(int n)
{
    return QStringLiteral("Level %1").arg(n + 1);
}

QJsonValue actName(WaterAct act)
{
    switch (act) {
    case WaterAct::Act1:
        return QStringLiteral("Act 1");
    case WaterAct::Act2:
        return QStringLiteral("Act 2");
    case WaterAct::Both:
        return QStringLiteral("Both");
    case WaterAct::None:
        break;
    }
    return QJsonValue();
}

// Each row as the window shows it, keyed "Level 1" on: its zone by its name
// in the zone list (null where the list names none), its act choice ("Act
// 1", "Act 2", "Both", or null), and for the second game its underwater
// palette byte.
class WaterValuesSection : public ModelSection<WaterModel, WaterValues>
{
    Q_DECLARE_TR_FUNCTIONS(WaterValues)

public:
    using ModelSection::ModelSection;

    QString key() const override { return kWater; }

    void read(RomFile& file, std::vector<std::string>& notes) override
    {
        try {
            mModel.read(file);
        } catch (const KorvaneError& e) {
            //: %1 is the section's key, %2 why a row could not be read.
            notes.push_back(
                tr("%1: %2; the rest left out").arg(kWater, QString::fromStdString(e.what())).toStdString());
        }
        mWanted = mModel.values();
        try {
            mNames = LevelNames(layout().zones.fileName);
        } catch (const KorvaneError& e) {
            //: %1 is the section's key, %2 why the zone list could not be read.
            notes.push_back(
                tr("%1: %2; the zones left out").arg(kWater, QString::fromStdString(e.what())).toStdString());
            mListMissing = true;
        }
    }

    QJsonObject values() const override { return toJson(mModel.values()); }

    std::vector<ValuePlace> places() const override
    {
        std::vector<ValuePlace> places;
        // The compare instruction's zone byte and the two around it.
        for (int n = 0; n < layout().rowCount; ++n)
            places.push_back(PlaceOf(kWater, rowKey(n), layout().rows[static_cast<std::size_t>(n)] - 1, 3));
        for (int n = 0; n < layout().paletteCount; ++n)
            places.push_back(
                PlaceOf(kWater, rowKey(n) + QStringLiteral(" palette"), layout().palettes[static_cast<std::size_t>(n)], 1));
        return places;
    }
    QJsonObject wanted() const override { return toJson(mWanted); }

    void want(const QJsonObject& section, Refusals& refusals) override
    {
        // Rows are shown with their zone names: without the list no row
        // can be changed, and the refusal says which file is missing.
        if (mListMissing && !section.isEmpty()) {
            refusals.add(kWater, section.begin().key(),
                         tr("the rows need the zone list %1, which could not be read")
                             .arg(QString::fromStdString(SupportFilePath(layout().zones.fileName)))
                             .toStdString());
            return;
        }
        std::vector<QString> keys;
        for (int n = 0; n < rowsShown(); ++n)
            keys.push_back(rowKey(n));
        CheckKeys(kWater, section, keys, refusals);
        const QJsonObject shown = values();
        WaterValues wanted = mModel.values();
        // Every palette read keeps its value unless the document changes it.
        WaterPaletteTexts texts;
        for (int n = 0; n < mModel.palettesRead(); ++n)
            texts[static_cast<std::size_t>(n)] = HexStr(mModel.values().palettes[static_cast<std::size_t>(n)], 2);
        for (int n = 0; n < rowsShown(); ++n) {
            const auto k = static_cast<std::size_t>(n);
            const QString field = rowKey(n);
            if (!section.contains(field))
                continue;
            if (!section.value(field).isObject()) {
                refusals.add(kWater, field, tr("expected an object").toStdString());
                continue;
            }
            const QJsonObject row = section.value(field).toObject();
            const QJsonObject before = shown.value(field).toObject();
            std::vector<QString> rowKeys{kZone, kAct};
            if (n < mModel.palettesRead())
                rowKeys.push_back(kPalette);
            CheckKeys(kWater, row, rowKeys, refusals);
            if (row.contains(kPalette)) {
                refusals.check([&] {
                    texts[k] = NumberTextOf(kWater, field + QStringLiteral(" palette"), row.value(kPalette),
                                            WaterPaletteField(n + 1));
                });
            }
            const QJsonValue zone = row.contains(kZone) ? row.value(kZone) : before.value(kZone);
            const QJsonValue act = row.contains(kAct) ? row.value(kAct) : before.value(kAct);
            if (zone == before.value(kZone) && act == before.value(kAct))
                continue;
            refusals.check([&] { wanted.rows[k] = encode(n, field, zone, act); });
        }
        refusals.check([&] {
            FieldErrors errors;
            wanted.palettes = mModel.checkPalettes(texts, &errors);
            refusals.add(kWater, errors, [](std::size_t field) { return rowKey(static_cast<int>(field)); });
        });
        mWanted = wanted;
    }

    int hexDigitsOf(const QString& path) const override
    {
        return path.endsWith(QLatin1Char(' ') + kPalette) ? WaterPaletteField(1).hexDigits : 0;
    }

private:
    const WaterLayout& layout() const { return mModel.layout(); }

    // A zone name as refusals quote it.
    static QString quoted(const QJsonValue& zone)
    {
        return QString::fromStdString(Quoted(zone.toString().toStdString()));
    }

    // Rows shown: those read, and only with their zone list.
    int rowsShown() const { return mListMissing ? 0 : mModel.rowsRead(); }

    // The bytes of row n for a zone and act the user chose, with the
    // window's rules: only byte and word compares change, and the entries
    // the act rule gives one act take "Act 1" only.
    WaterBytes encode(int n, const QString& field, const QJsonValue& zone, const QJsonValue& act) const
    {
        const WaterBytes stored = mModel.values().rows[static_cast<std::size_t>(n)];
        if (!IsEditableWaterRow(stored))
            Refuse(kWater, field, tr("the row is no zone or level compare and cannot be changed").toStdString());
        if (zone.isNull())
            Refuse(kWater, field, tr("choose a zone of the list").toStdString());
        const qsizetype entry = mNames.indexOf(StringOf(kWater, field + QStringLiteral(" zone"), zone));
        if (entry < 0 || entry >= static_cast<qsizetype>(layout().zones.table.size()))
            Refuse(kWater, field, tr("%1 is not a zone of the list").arg(quoted(zone)).toStdString());
        const QString actText = StringOf(kWater, field + QStringLiteral(" act"), act);
        WaterAct chosen = WaterAct::None;
        for (const WaterAct a : {WaterAct::Act1, WaterAct::Act2, WaterAct::Both}) {
            if (actName(a) == actText)
                chosen = a;
        }
        if (chosen == WaterAct::None)
            //: "Act 1", "Act 2" and "Both" are the document's values, which stay in English.
            Refuse(kWater, field, tr("the act is \"Act 1\", \"Act 2\" or \"Both\"").toStdString());
        if (WaterEntryHasOneAct(static_cast<int>(entry)) && chosen != WaterAct::Act1)
            //: "Act 1" is the document's value, which stays in English.
            Refuse(kWater, field, tr("%1 has one act: choose \"Act 1\"").arg(quoted(zone)).toStdString());
        const auto value = static_cast<std::uint8_t>(layout().zones.table[static_cast<std::size_t>(entry)]);
        return EncodeWaterRow(stored, value, chosen);
    }

    QJsonObject toJson(const WaterValues& values) const
    {
        QJsonObject object;
        for (int n = 0; n < rowsShown(); ++n) {
            const auto k = static_cast<std::size_t>(n);
            const WaterLevel level = DecodeWaterRow(values.rows[k]);
            const int entry = level.decoded ? LevelRow(layout().zones.table, level.zone) : -1;
            QJsonObject row;
            row.insert(kZone, entry >= 0 && entry < mNames.size() ? QJsonValue(mNames[entry]) : QJsonValue());
            row.insert(kAct, actName(level.act));
            if (n < mModel.palettesRead())
                row.insert(kPalette, values.palettes[k]);
            object.insert(rowKey(n), row);
        }
        return object;
    }

    QStringList mNames;
    bool mListMissing = false;
};

} // namespace

std::unique_ptr<EditorValues> NewWaterValues(const std::string& gameCode)
{
    const WaterLayout* layout = WaterLayoutFor(gameCode);
    return layout ? std::make_unique<WaterValuesSection>(*layout) : nullptr;
}
