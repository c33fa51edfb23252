// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_folder.h"

namespace quorlink {

QString DataFolderFor(const QString& programFolder) { return programFolder; }

}  // namespace quorlink
