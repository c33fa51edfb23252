// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows_error.h"

#include <windows.h>

namespace quorlink {

QString WindowsErrorText(unsigned long error)
{
    wchar_t* text = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    const QString reason =
        length ? QString::fromWCharArray(text, int(length)).trimmed() : QStringLiteral("system error %1").arg(error);
    LocalFree(text);
    return reason;
}

}  // namespace quorlink
