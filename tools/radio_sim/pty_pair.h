// SPDX-License-Identifier: GPL-3.0-or-later
// A pseudo-terminal pair: the program opens the slave path like any serial
// device, the radio's side reads and writes the master.
#pragma once

#include <QString>

namespace quorlink::sim {

class PtyPair {
public:
    PtyPair() = default;
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    // Creates the pair with the slave in raw mode; false with errorText set
    // when the system refuses.
    bool Open(QString* errorText);
    // Closes both ends: whoever has the slave open sees the line hang up.
    void Close();

    bool IsOpen() const { return master_ >= 0; }
    int MasterFd() const { return master_; }
    QString SlavePath() const { return slavePath_; }

private:
    int master_ = -1;
    // Held open so that the line does not hang up between the program's
    // openings, and so the raw mode set here stays.
    int slave_ = -1;
    QString slavePath_;
};

}  // namespace quorlink::sim
