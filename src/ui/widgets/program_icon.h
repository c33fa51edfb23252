// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace quorlink {

// The program's scalable icon, the same picture as the installed
// share/icons/hicolor/scalable/apps/quorlink.svg; every window shows it.
QIcon ProgramIcon();

}  // namespace quorlink
