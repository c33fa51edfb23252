// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings_store.h"

#include "model.h"

#include <QSettings>

namespace quorlink {

namespace {

// Section, key and default of every stored value.
struct Key {
    const char* name;
    int fallback;
};
constexpr Key kPortNumber{"ComPath/ComNum", 1};
constexpr Key kModelNumber{"ModelPath/ModelNum", 0};
constexpr Key kVerifyAfterWriting{"Options/VerifyAfterWriting", 1};
constexpr Key kShowChangesBeforeWriting{"Options/ShowChangesBeforeWriting", 1};
constexpr const char* kPlacementKeys[] = {"Settings/MainLeft", "Settings/MainTop",
                                          "Settings/MainWidth", "Settings/MainHeight"};

QSettings Store() { return QSettings(QStringLiteral("Quorlink"), QStringLiteral("Quorlink")); }

std::int16_t ReadShort(const QSettings& settings, const Key& key)
{
    bool ok = false;
    const int value = settings.value(QLatin1String(key.name)).toString().trimmed().toInt(&ok);
    return ok && value >= -32768 && value <= 32767 ? static_cast<std::int16_t>(value)
                                                   : static_cast<std::int16_t>(key.fallback);
}

void Write(const Key& key, int value)
{
    Store().setValue(QLatin1String(key.name), QString::number(value));
}

}  // namespace

void SettingsStore::Load(Model& model)
{
    const QSettings settings = Store();
    model.PortNumber = ReadShort(settings, kPortNumber);
    model.ModelNumber = ReadShort(settings, kModelNumber);
}

void SettingsStore::StorePortNumber(int portNumber) { Write(kPortNumber, portNumber); }
void SettingsStore::StoreModelNumber(int modelNumber) { Write(kModelNumber, modelNumber); }

void SettingsStore::StorePlacement(const QRectF& twips)
{
    QSettings settings = Store();
    const double values[] = {twips.left(), twips.top(), twips.width(), twips.height()};
    for (int i = 0; i < 4; ++i)
        settings.setValue(QLatin1String(kPlacementKeys[i]),
                          QString::number(static_cast<float>(values[i]), 'g', 7));
}

std::optional<QRectF> SettingsStore::Placement()
{
    const QSettings settings = Store();
    double values[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = settings.value(QLatin1String(kPlacementKeys[i])).toString().toDouble(&ok);
        if (!ok)
            return std::nullopt;
    }
    return QRectF(values[0], values[1], values[2], values[3]);
}

QString SettingsStore::PortDevice(int portNumber)
{
    return Store().value(QStringLiteral("ComPath/Device%1").arg(portNumber)).toString();
}

QStringList SettingsStore::PortDevices()
{
    QStringList devices;
    for (int n = 1; n <= 4; ++n)
        devices << PortDevice(n);
    return devices;
}

void SettingsStore::StorePortDevice(int portNumber, const QString& device)
{
    Store().setValue(QStringLiteral("ComPath/Device%1").arg(portNumber), device);
}

QString SettingsStore::Language() { return Store().value(QStringLiteral("Options/Language")).toString(); }

void SettingsStore::StoreLanguage(const QString& code)
{
    if (code.isEmpty())
        Store().remove(QStringLiteral("Options/Language"));
    else
        Store().setValue(QStringLiteral("Options/Language"), code);
}

QStringList SettingsStore::RecentFiles() { return Store().value(QStringLiteral("RecentFiles/Files")).toStringList(); }

void SettingsStore::StoreRecentFiles(const QStringList& paths)
{
    Store().setValue(QStringLiteral("RecentFiles/Files"), paths);
}
bool SettingsStore::VerifyAfterWriting() { return ReadShort(Store(), kVerifyAfterWriting) != 0; }
void SettingsStore::StoreVerifyAfterWriting(bool on) { Write(kVerifyAfterWriting, on ? 1 : 0); }
bool SettingsStore::ShowChangesBeforeWriting() { return ReadShort(Store(), kShowChangesBeforeWriting) != 0; }
void SettingsStore::StoreShowChangesBeforeWriting(bool on) { Write(kShowChangesBeforeWriting, on ? 1 : 0); }

QString SettingsStore::DialogFolder() { return Store().value(QStringLiteral("Files/LastFolder")).toString(); }

void SettingsStore::StoreDialogFolder(const QString& folder)
{
    Store().setValue(QStringLiteral("Files/LastFolder"), folder);
}

}  // namespace quorlink
