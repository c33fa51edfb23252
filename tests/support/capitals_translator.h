// SPDX-License-Identifier: GPL-3.0-or-later
// A language in which every text of the program's own contexts (those named
// "...Texts") reads in capitals: what went through translation shows.
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QTranslator>

namespace quorlink::test {

class CapitalsTranslator : public QTranslator {
public:
    CapitalsTranslator() { QCoreApplication::installTranslator(this); }
    ~CapitalsTranslator() override { QCoreApplication::removeTranslator(this); }

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        return QByteArray(context).endsWith("Texts") ? QString::fromUtf8(source).toUpper() : QString();
    }
};

}  // namespace quorlink::test
