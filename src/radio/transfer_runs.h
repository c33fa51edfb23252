// SPDX-License-Identifier: GPL-3.0-or-later
// Whole runs as the transfer dialog and the command line start them: model
// check first, then the read, write or clear. The link's BusyFlag is on
// meanwhile. Each returns its outcome, done with "Complete!!" or with the
// messages that say why not, for the caller to show (a model check that no
// radio answered also names the port tried and what to check), and with the
// backups that could not be kept among its notes, however it ended; a failed or
// cancelled run leaves MemoryImage and the records as they were (the clear
// run puts the byte it changed back; the write run's image is its encoding).
#pragma once

#include "image_layout.h"
#include "outcome.h"
#include "own_mmsi_guard.h"
#include "transfer_safety.h"

#include <QString>

namespace quorlink {

class CloneProtocol;
struct Model;

// The pass of a write that changes the radio, as the runs announce it.
QString WritePass();

// The run a transfer dialog is opened for.
enum class TransferMode { Read = 0, Program = 1, Clear = 2 };

// Model check, read into a scratch image; only a complete read replaces
// MemoryImage, gets the read fix-up and is decoded into the records. The
// bytes as received are backed up first.
Outcome RunReadTransfer(CloneProtocol& protocol, const TransferSafety& safety = {});
// Encodes the records into MemoryImage; a record that cannot be encoded
// ends the run before the port is opened, said with its fault number.
// Then model check, then writes MemoryImage. With an approval the radio's own
// MMSI is read between check and write, and a change of it goes ahead only
// when approved. MemoryImage is backed up just before the write; with
// verifyAfterWriting the written bytes are read back and compared. A write
// that stopped after its first frame, or was not verified, says so after
// its failure and names the backup to program from. With readFirst the whole radio is read
// after the model check, kept as a before-write backup, checked by the
// guard and shown to approveChanges before the first write frame; a
// before-write backup that cannot be saved stops it there (see
// TransferSafety::writeWithoutBackup). How a write that kept backups ended
// is noted in the backups' index, and a write cut short names, to put the
// radio back, the last before-write backup of it whole.
Outcome RunWriteTransfer(CloneProtocol& protocol, const OwnMmsiApproval& approve = {},
                         const TransferSafety& safety = {});
// Puts a whole read into the model as a read from the radio does: the
// image, its fix-up and the records decoded from it.
void TakeRead(Model& model, const Image& read);

// Model check, then sets UserMmsiCount to 0 and writes that byte; with
// verifyAfterWriting the byte is read back.
Outcome RunClearTransfer(CloneProtocol& protocol, const TransferSafety& safety = {});

}  // namespace quorlink
