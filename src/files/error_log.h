// SPDX-License-Identifier: GPL-3.0-or-later
// The service mode's error log: one line per caught fault, appended to
// err.log in the program's folder. Outside the service mode it writes nothing.
#pragma once

#include <QString>

namespace quorlink {

struct Fault;

class ErrorLog {
public:
    explicit ErrorLog(QString folder);
    // "date,time:source -> numberdescription" CR LF, only when diagnosticMode.
    // A line that cannot be written is lost silently.
    void Write(bool diagnosticMode, const QString& source, const Fault& fault) const;
    QString Path() const;

private:
    QString folder_;
};

}  // namespace quorlink
