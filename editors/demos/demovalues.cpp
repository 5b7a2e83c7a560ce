// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "document/editorvalues.h"
#include "editors/editorlist.h"

#include "core/korvaneerror.h"
#include "editors/demos/demomodel.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <memory>

namespace {

const QString kDemos = QStringLiteral("demos");
const QString kLength = QStringLiteral("Normal Demos Length");
const QString kSpecialLength = QStringLiteral("Special Stages Demos Length");
const QString kNumber = QStringLiteral("Number of demos played");
const QString kSlots[kDemoLevelWords] = {QStringLiteral("First demo level"), QStringLiteral("Second demo level"),
                                         QStringLiteral("Third demo level"), QStringLiteral("Fourth demo level")};

// The demo settings as the window shows them: lengths in seconds, the
// number of demos, and each slot's level by its name in the level list
// (null for a level the list does not name).
class DemoValuesSection : public ModelSection<DemoModel, DemoValues>
{
    Q_DECLARE_TR_FUNCTIONS(DemoValues)

public:
    using ModelSection::ModelSection;

    QString key() const override { return kDemos; }

    void read(RomFile& file, std::vector<std::string>& notes) override
    {
        try {
            mModel.read(file);
        } catch (const KorvaneError& e) {
            //: %1 is the section's key, %2 why it could not be read.
            notes.push_back(tr("%1: %2; left out").arg(kDemos, QString::fromStdString(e.what())).toStdString());
            return;
        }
        mWanted = mModel.values();
        try {
            mNames = LevelNames(layout().levels.fileName);
        } catch (const KorvaneError& e) {
            //: %1 is the section's key, %2 why the level list could not be read.
            notes.push_back(
                tr("%1: %2; the levels left out").arg(kDemos, QString::fromStdString(e.what())).toStdString());
            mListMissing = true;
        }
    }

    QJsonObject values() const override { return toJson(mModel.values()); }

    std::vector<ValuePlace> places() const override
    {
        std::vector<ValuePlace> places;
        const std::pair<std::int32_t, QString> words[] = {
            {layout().length, kLength}, {layout().specialLength, kSpecialLength}, {layout().number, kNumber}};
        for (const auto& [offset, field] : words) {
            if (offset != kNoDemoOffset)
                places.push_back(PlaceOf(kDemos, field, offset, 2));
        }
        for (int n = 0; n < layout().slotCount; ++n)
            places.push_back(PlaceOf(kDemos, kSlots[n], layout().levelBase + 2 * n, 2));
        return places;
    }
    QJsonObject wanted() const override { return toJson(mWanted); }

    void want(const QJsonObject& section, Refusals& refusals) override
    {
        if (!mModel.isRead()) {
            refusals.add(kDemos, QStringLiteral("values"),
                         tr("they could not be read from the image").toStdString());
            return;
        }
        CheckKeys(kDemos, section, keys(), refusals);
        const DemoValues& stored = mModel.values();
        DemoValues wanted = stored;
        // As the window's spin boxes: a value left as shown keeps its word.
        const auto seconds = [&](const QString& field, std::uint16_t storedFrames) -> std::uint16_t {
            if (!section.contains(field))
                return storedFrames;
            const NumberField number{field.toStdString(), 0, 0, kMaxDemoSeconds, tr("seconds").toStdString()};
            const std::int64_t value =
                NumberOf(kDemos, field, section.value(field), number, DemoSeconds(storedFrames));
            return value == DemoSeconds(storedFrames) ? storedFrames : DemoFrames(static_cast<int>(value));
        };
        refusals.check([&] { wanted.length = seconds(kLength, stored.length); });
        if (layout().specialLength != kNoDemoOffset)
            refusals.check([&] { wanted.specialLength = seconds(kSpecialLength, stored.specialLength); });
        if (layout().number != kNoDemoOffset && section.contains(kNumber)) {
            refusals.check([&] {
                wanted.number = static_cast<std::uint16_t>(NumberOf(
                    kDemos, kNumber, section.value(kNumber), {kNumber.toStdString(), 0, 0, layout().maxNumber},
                    stored.number));
            });
        }
        for (int n = 0; n < layout().slotCount; ++n) {
            const auto k = static_cast<std::size_t>(n);
            if (!section.contains(kSlots[n]))
                continue;
            const QJsonValue value = section.value(kSlots[n]);
            // null: the level as stored, as a selector that shows none.
            if (value.isNull())
                continue;
            refusals.check([&] {
                if (mListMissing)
                    Refuse(kDemos, kSlots[n], tr("the level list could not be read").toStdString());
                const qsizetype row = mNames.indexOf(StringOf(kDemos, kSlots[n], value));
                if (row < 0)
                    Refuse(kDemos, kSlots[n], tr("%1 is not a level of the list").arg(quoted(value)).toStdString());
                // A list line beyond the table names no level of the game.
                if (row >= static_cast<qsizetype>(layout().levels.table.size()))
                    Refuse(kDemos, kSlots[n], tr("%1 has no level of the game").arg(quoted(value)).toStdString());
                wanted.levels[k] = LevelAtRow(layout().levels.table, static_cast<int>(row), stored.levels[k]);
            });
        }
        mWanted = wanted;
    }

private:
    const DemoLayout& layout() const { return mModel.layout(); }

    // A level name as refusals quote it.
    static QString quoted(const QJsonValue& value)
    {
        return QString::fromStdString(Quoted(value.toString().toStdString()));
    }

    std::vector<QString> keys() const
    {
        std::vector<QString> keys{kLength};
        if (layout().specialLength != kNoDemoOffset)
            keys.push_back(kSpecialLength);
        if (layout().number != kNoDemoOffset)
            keys.push_back(kNumber);
        if (!mListMissing) {
            for (int n = 0; n < layout().slotCount; ++n)
                keys.push_back(kSlots[n]);
        }
        return keys;
    }

    QJsonObject toJson(const DemoValues& values) const
    {
        QJsonObject object;
        if (!mModel.isRead())
            return object;
        object.insert(kLength, DemoSeconds(values.length));
        if (layout().specialLength != kNoDemoOffset)
            object.insert(kSpecialLength, DemoSeconds(values.specialLength));
        if (layout().number != kNoDemoOffset)
            object.insert(kNumber, values.number);
        if (!mListMissing) {
            for (int n = 0; n < layout().slotCount; ++n) {
                const int row = LevelRow(layout().levels.table, values.levels[static_cast<std::size_t>(n)]);
                const bool named = row >= 0 && row < mNames.size();
                object.insert(kSlots[n], named ? QJsonValue(mNames[row]) : QJsonValue());
            }
        }
        return object;
    }

    QStringList mNames;
    bool mListMissing = false;
};

} // namespace

std::unique_ptr<EditorValues> NewDemosValues(const std::string& gameCode)
{
    const DemoLayout* layout = DemoLayoutFor(gameCode);
    return layout ? std::make_unique<DemoValuesSection>(*layout) : nullptr;
}
