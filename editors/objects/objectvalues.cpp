// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "document/editorvalues.h"
#include "editors/editorlist.h"

#include "core/korvaneerror.h"
#include "editors/objects/objectmodel.h"

#include <QCoreApplication>

#include <memory>

namespace {

const QString kObjects = QStringLiteral("objects");

QString labelOf(std::size_t i)
{
    return QString::fromUtf8(kObjectRows[i].label);
}

// The 42 words, keyed by the row labels the window shows; hexadecimal rows
// too are plain integers.
class ObjectValues : public ModelSection<ObjectModel, ObjectWords>
{
    Q_DECLARE_TR_FUNCTIONS(ObjectValues)

public:
    QString key() const override { return kObjects; }

    void read(RomFile& file, std::vector<std::string>& notes) override
    {
        try {
            mModel.read(file);
        } catch (const KorvaneError& e) {
            //: %1 is the section's key, %2 why a row could not be read, %3 that row's key.
            notes.push_back(tr("%1: %2; rows from \"%3\" on left out")
                                .arg(kObjects, QString::fromStdString(e.what()), labelOf(mModel.rowsRead()))
                                .toStdString());
        }
        mWanted = mModel.words();
    }

    QJsonObject values() const override { return toJson(mModel.words()); }

    std::vector<ValuePlace> places() const override
    {
        std::vector<ValuePlace> places;
        for (std::size_t i = 0; i < kObjectRowCount; ++i)
            places.push_back(PlaceOf(kObjects, labelOf(i), kObjectRows[i].offset, 2));
        return places;
    }
    QJsonObject wanted() const override { return toJson(mWanted); }

    void want(const QJsonObject& section, Refusals& refusals) override
    {
        std::vector<QString> keys;
        for (std::size_t i = 0; i < mModel.rowsRead(); ++i)
            keys.push_back(labelOf(i));
        CheckKeys(kObjects, section, keys, refusals);
        // The cells the window would hold, converted as its Save converts
        // them; a refused value keeps the cell as read.
        ObjectCells cells;
        for (std::size_t i = 0; i < kObjectRowCount; ++i) {
            const ObjectRow& row = kObjectRows[i];
            cells[i] = FormatObjectValue(row.form, mModel.words()[i]);
            if (section.contains(labelOf(i)))
                refusals.check([&] { cells[i] = NumberTextOf(kObjects, labelOf(i), section.value(labelOf(i)), ObjectField(row)); });
        }
        FieldErrors errors;
        mWanted = ObjectModel::check(cells, &errors);
        refusals.add(kObjects, errors, [](std::size_t field) { return labelOf(field); });
    }

    int hexDigitsOf(const QString& path) const override
    {
        for (std::size_t i = 0; i < kObjectRowCount; ++i) {
            if (path == labelOf(i))
                return ObjectField(kObjectRows[i]).hexDigits;
        }
        return 0;
    }

private:
    QJsonObject toJson(const ObjectWords& words) const
    {
        QJsonObject object;
        for (std::size_t i = 0; i < mModel.rowsRead(); ++i)
            object.insert(labelOf(i), static_cast<int>(words[i]));
        return object;
    }
};

} // namespace

std::unique_ptr<EditorValues> NewObjectsValues(const std::string&)
{
    return std::make_unique<ObjectValues>();
}
