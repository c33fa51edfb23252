// SPDX-License-Identifier: GPL-3.0-or-later
#include "difference_text.h"

#include "latin1.h"
#include "model_text.h"
#include "translatable.h"

namespace quorlink {

namespace {

// The sentences of Difference::Text(), word for word.
constexpr const char* kFieldLine = QT_TRANSLATE_NOOP("Records", "%1: %2 %3 -> %4");
constexpr const char* kUnwrittenByte = QT_TRANSLATE_NOOP("Records", "%1 differs; Program to Radio does not write it");
constexpr const char* kUnwrittenBytes = QT_TRANSLATE_NOOP("Records", "%1 differ; Program to Radio does not write them");
constexpr const char* kHiddenByte = QT_TRANSLATE_NOOP("Records", "%1 differs; the editor does not show it");
constexpr const char* kHiddenBytes = QT_TRANSLATE_NOOP("Records", "%1 differ; the editor does not show them");

// Parts are filled in one pass, so a value holding "%1" stays as it is.
QString Fill(const QString& text, const QStringList& parts)
{
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int n = i + 1 < text.size() ? text[i + 1].digitValue() : -1;
        if (text[i] == QLatin1Char('%') && n >= 1 && n <= parts.size()) {
            result += parts[n - 1];
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

// Places and fields hold labels and addresses (Latin-1 like every text of
// the records) between their marked words. A difference made without its
// words reads in English.
QString Shown(const TextTemplate& words, const std::string& english)
{
    if (*words.text == '\0')
        return ToQString(english);
    QStringList parts;
    for (const std::string& part : words.args)
        parts << QCoreApplication::translate("Records", ToQString(part).toUtf8().constData());
    return Fill(ModelText(words.text), parts);
}

}  // namespace

QString DifferenceText(const Difference& d)
{
    const bool many = d.place.rfind("bytes", 0) == 0;
    if (d.unwritten)
        return Fill(ModelText(many ? kUnwrittenBytes : kUnwrittenByte), {Shown(d.placeWords, d.place)});
    if (d.rawBytes)
        return Fill(ModelText(many ? kHiddenBytes : kHiddenByte), {Shown(d.placeWords, d.place)});
    return Fill(ModelText(kFieldLine), {Shown(d.placeWords, d.place), Shown(d.fieldWords, d.field),
                                        ToQString(d.oldValue), ToQString(d.newValue)});
}

}  // namespace quorlink
