// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_icon.h"

namespace quorlink {

QIcon ProgramIcon() { return QIcon(QStringLiteral(":/quorlink/quorlink.svg")); }

}  // namespace quorlink
