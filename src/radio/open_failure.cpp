#include "open_failure.h"

#include <QFile>
#include <QFileInfo>
#include <unistd.h>

namespace quorlink {

QString OpenFailureText(const PortTarget& target, const QString& reason, const QString& missingGroup)
{
    QString port = target.label;
    if (target.device.isEmpty())
        port += QStringLiteral(" (no serial port)");
    else if (target.device != target.label)
        port += QStringLiteral(" (%1)").arg(target.device);
    QString text = QStringLiteral("%1 could not be opened: %2").arg(port, reason);
    if (!missingGroup.isEmpty())
        text += QStringLiteral("\nYou must be a member of the group \"%1\" that owns %2: "
                               "sudo usermod -aG %1 $USER, then log out and in again.")
                    .arg(missingGroup, target.device);
    return text;
}

QString MissingGroup(const QString& device, bool permissionDenied)
{
    if (!permissionDenied || device.isEmpty())
        return {};
    // A busy or locked device is reported as a permission error as well; only
    // missing access rights call for the group.
    if (::access(QFile::encodeName(device).constData(), R_OK | W_OK) == 0)
        return {};
    const QString group = QFileInfo(device).group();
    return group.isEmpty() ? QStringLiteral("dialout") : group;
}

}  // namespace quorlink
