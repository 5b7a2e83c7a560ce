// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "document/editorvalues.h"
#include "editors/editorlist.h"

#include "core/korvaneerror.h"
#include "editors/text/textmodel.h"

#include <QCoreApplication>

#include <memory>

namespace {

const QString kTexts = QStringLiteral("texts");

QString nameOf(std::size_t i)
{
    return QString::fromLatin1(kTextFields[i].name);
}

// The 24 texts keyed by the names of their boxes, in UTF-8 ("©" is U+00A9);
// a code without a character shows as hexadecimal digits, as in the window.
class TextValuesSection : public ModelSection<TextModel, TextValues>
{
public:
    QString key() const override { return kTexts; }

    void read(RomFile& file, std::vector<std::string>& notes) override
    {
        try {
            mModel.read(file);
        } catch (const KorvaneError& e) {
            notes.push_back(QCoreApplication::translate("TextValues", "%1: %2; texts from %3 on left out")
                                .arg(kTexts, QString::fromStdString(e.what()),
                                     nameOf(static_cast<std::size_t>(mModel.textsRead())))
                                .toStdString());
        }
        mWanted = mModel.texts();
    }

    QJsonObject values() const override { return toJson(mModel.texts()); }

    std::vector<ValuePlace> places() const override
    {
        std::vector<ValuePlace> places;
        const std::vector<ByteSpan> spans = mModel.spans();
        for (std::size_t i = 0; i < spans.size(); ++i)
            places.push_back(PlaceOf(kTexts, nameOf(i), spans[i].offset, spans[i].size));
        return places;
    }
    QJsonObject wanted() const override { return toJson(mWanted); }

    void want(const QJsonObject& section, Refusals& refusals) override
    {
        std::vector<QString> keys;
        for (int i = 0; i < mModel.textsRead(); ++i)
            keys.push_back(nameOf(static_cast<std::size_t>(i)));
        CheckKeys(kTexts, section, keys, refusals);
        TextValues wanted = mModel.texts();
        for (std::size_t i = 0; i < kTextFields.size(); ++i) {
            if (section.contains(nameOf(i)))
                refusals.check([&] { wanted[i] = StringOf(kTexts, nameOf(i), section.value(nameOf(i))).toStdString(); });
        }
        FieldErrors errors;
        mModel.check(wanted, &errors);
        refusals.add(kTexts, errors, [](std::size_t field) { return nameOf(field); });
        // A text the codec stores as the image holds it already is no change.
        for (std::size_t i = 0; i < kTextFields.size(); ++i) {
            const bool refused = std::any_of(errors.begin(), errors.end(), [i](const FieldError& e) { return e.field() == i; });
            if (refused || !mModel.changes(i, wanted[i]))
                wanted[i] = mModel.texts()[i];
        }
        mWanted = wanted;
    }

private:
    QJsonObject toJson(const TextValues& texts) const
    {
        QJsonObject object;
        for (int i = 0; i < mModel.textsRead(); ++i)
            object.insert(nameOf(static_cast<std::size_t>(i)),
                          QString::fromStdString(texts[static_cast<std::size_t>(i)]));
        return object;
    }
};

} // namespace

std::unique_ptr<EditorValues> NewTextsValues(const std::string&)
{
    return std::make_unique<TextValuesSection>();
}

// The first game's text window edits nothing.
std::unique_ptr<EditorValues> NewFirstGameTextsValues(const std::string&)
{
    return nullptr;
}
