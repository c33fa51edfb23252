// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user settings: serial port, model and the main window's placement.
// Stored with QSettings under the application name "Quorlink"; tests point
// QSettings at a temporary folder.
#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>
#include <optional>

namespace quorlink {

struct Model;

class SettingsStore {
public:
    // Reads PortNumber (default 1) and ModelNumber (default 0). A stored value
    // that is not a 16-bit number counts as missing.
    static void Load(Model& model);
    static void StorePortNumber(int portNumber);
    static void StoreModelNumber(int modelNumber);
    // Left, top, width, height in twips.
    static void StorePlacement(const QRectF& twips);
    static std::optional<QRectF> Placement();
    // An explicit device for COMn (ComPath/Device<n>), e.g. /dev/ttyUSB0; empty when none.
    static QString PortDevice(int portNumber);
    static void StorePortDevice(int portNumber, const QString& device);
    // The devices stored for COM1..COM4, in that order.
    static QStringList PortDevices();
    // File > recent files, the latest first (RecentFiles/Files).
    static QStringList RecentFiles();
    static void StoreRecentFiles(const QStringList& paths);
    // Options > Verify After Writing; on unless turned off.
    static bool VerifyAfterWriting();
    static void StoreVerifyAfterWriting(bool on);
    // Options > Show Changes Before Writing; on unless turned off.
    static bool ShowChangesBeforeWriting();
    static void StoreShowChangesBeforeWriting(bool on);
    // Options > Language: an offered language's code, empty for the system default.
    static QString Language();
    static void StoreLanguage(const QString& code);
    // The folder of the file last chosen in a file dialog (see DialogStartFolder).
    static QString DialogFolder();
    static void StoreDialogFolder(const QString& folder);
};

}  // namespace quorlink
