// SPDX-License-Identifier: GPL-3.0-or-later
// What the directory pages share: the two directories differ only in the
// parameters below, and in nothing else.
#pragma once

#include "mmsi.h"
#include "record_movers.h"
#include "records.h"

#include <QString>
#include <optional>

namespace quorlink {

class PageHost;
class PageWiring;

struct DirectoryTraits {
    DirectoryKind kind;
    const char* nameLabel;    // "Station Name", "Group Name"
    const char* nameTitle;    // list column: "STATION NAME", "GROUP NAME"
    const char* mmsiCaption;  // title of the MMSI error box
    MmsiUse mmsiUse;          // what its MMSI boxes take
    int listHelp;             // help contexts of the grid and of the entry page's boxes
    int checkHelp;
    int nameHelp;
    int mmsiHelp;
};

const DirectoryTraits& TraitsOf(DirectoryKind kind);
// One of the traits' texts in the user's language.
QString DirectoryText(const char* text);
// The directory whose list node is key, if any.
std::optional<DirectoryKind> DirectoryOfListKey(const QString& key);

// Closes the gap of entry k: the later entries move down one, the last is emptied.
void DeleteDirectoryEntry(Directory& directory, int k);
// Nodes of the used entries and of the first free one in the normal text
// colour, the ones after it greyed.
void ColourDirectoryNodes(PageHost& window, PageWiring& wiring, DirectoryKind kind);

}  // namespace quorlink
