// SPDX-License-Identifier: GPL-3.0-or-later
#include "mid_resource.h"

#include <QFile>

namespace quorlink {

MidTable LoadShippedMidTable()
{
    QFile file(QStringLiteral(":/data/mid.csv"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return MidTable::FromCsv(file.readAll().toStdString());
}

}  // namespace quorlink
