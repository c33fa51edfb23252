// SPDX-License-Identifier: GPL-3.0-or-later
#include "name_validator.h"

namespace quorlink {

QValidator::State UpperCaseValidator::validate(QString& input, int& /*position*/) const
{
    for (QChar& c : input)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 32);
    return Acceptable;
}

}  // namespace quorlink
