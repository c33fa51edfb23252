// SPDX-License-Identifier: GPL-3.0-or-later
#include "model_text.h"

#include "latin1.h"

namespace quorlink {

QString FilledText(const QString& text, const QStringList& parts)
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

QString ModelText(const TextTemplate& words)
{
    QStringList parts;
    for (const std::string& part : words.args)
        parts << QCoreApplication::translate("Records", ToQString(part).toUtf8().constData());
    return FilledText(ModelText(words.text), parts);
}

}  // namespace quorlink
