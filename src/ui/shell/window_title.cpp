// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_title.h"

#include "file_path.h"
#include "model.h"

namespace quorlink {

QString WindowTitle(const Model& model)
{
    QString title = QString::fromStdString(model.VariantCode) + QStringLiteral("  Quorlink");
    if (model.CurrentFilePath.empty())
        return title;
    const QString path = PathOf(model.CurrentFilePath);
    const int cut = static_cast<int>(std::max(path.lastIndexOf('/'), path.lastIndexOf('\\')));
    return title + QStringLiteral(" - ") + path.mid(cut + 1).toLower();
}

}  // namespace quorlink
