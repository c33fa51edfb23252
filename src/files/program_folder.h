#pragma once

#include <QString>

namespace quorlink {

// The folder of the program's own files (the default data file, err.log):
// the executable's folder when it can be written, else the per-user data
// folder of the program, created when missing.
QString ProgramFolder();

}  // namespace quorlink
