// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/korvanetool/editorvalues.h"

#include "core/korvaneerror.h"
#include "core/numbers.h"
#include "editors/objects/objectmodel.h"

#include <memory>

namespace {

const QString kObjects = QStringLiteral("objects");

QString labelOf(std::size_t i)
{
    return QString::fromUtf8(kObjectRows[i].label);
}

// The 42 words, keyed by the row labels the window shows; hexadecimal rows
// too are plain integers.
class ObjectValues : public EditorValues
{
public:
    QString key() const override { return kObjects; }

    void read(const std::string& path, std::vector<std::string>& notes) override
    {
        try {
            mModel.read(path);
        } catch (const KorvaneError& e) {
            notes.push_back("objects: " + std::string(e.what()) + "; rows from \""
                            + kObjectRows[mModel.rowsRead()].label + "\" on left out");
        }
        mWanted = mModel.words();
    }

    QJsonObject values() const override { return toJson(mModel.words()); }
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
            const auto cellOf = [&row](std::int64_t value) {
                return row.form == ObjectForm::Hex ? HexStr(static_cast<std::uint32_t>(value), 4)
                                                   : std::to_string(value);
            };
            cells[i] = cellOf(mModel.words()[i]);
            if (!section.contains(labelOf(i)))
                continue;
            refusals.check([&] {
                const std::int64_t value = IntegerOf(kObjects, labelOf(i), section.value(labelOf(i)));
                if (row.form == ObjectForm::Hex && (value < 0 || value > 0xFFFF))
                    Refuse(kObjects, labelOf(i),
                           Quoted(std::to_string(value)) + " is out of range for " + row.label
                               + ": enter a value from 0 to 65535");
                cells[i] = cellOf(value);
            });
        }
        FieldErrors errors;
        mWanted = ObjectModel::check(cells, &errors);
        refusals.add(kObjects, errors, [](std::size_t field) { return labelOf(field); });
    }

    void write(const std::string& path) override { mModel.write(path, mWanted); }

    std::string writeRefusal() const override
    {
        return mModel.complete() ? std::string()
                                 : "Not every object value has been read from this ROM; nothing was saved";
    }

    std::vector<ByteSpan> spans() const override
    {
        std::vector<ByteSpan> spans;
        for (const ObjectRow& row : kObjectRows)
            spans.push_back({row.offset, 2});
        return spans;
    }

private:
    QJsonObject toJson(const ObjectWords& words) const
    {
        QJsonObject object;
        for (std::size_t i = 0; i < mModel.rowsRead(); ++i)
            object.insert(labelOf(i), static_cast<int>(words[i]));
        return object;
    }

    ObjectModel mModel;
    ObjectWords mWanted{};
};

} // namespace

std::unique_ptr<EditorValues> MakeObjectValues()
{
    return std::make_unique<ObjectValues>();
}
