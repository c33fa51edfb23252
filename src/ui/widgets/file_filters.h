// SPDX-License-Identifier: GPL-3.0-or-later
// The file dialogs' filters, in the form the prompt takes them
// ("dat files(*.dat)|*.dat|All files(*.*)|*.*"), in the user's language.
// Only the names are translated: the patterns in brackets give a typed
// name its extension.
#pragma once

#include <QString>

namespace quorlink {

QString DataFilter();     // data files
QString OpenFilter();     // data files and the radio images the backups are
QString HexFilter();      // radio images
QString CompareFilter();  // data files and radio images
QString ListFilter();     // directory lists (csv)
QString TextFilter();     // lists saved as text

}  // namespace quorlink
