// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32_serial_port.h"

#include "windows_error.h"

#include <QCoreApplication>

#include <windows.h>

namespace quorlink {

namespace {

// The port went away while open; the log keeps the English words.
constexpr const char* kUnplugged =
    QT_TRANSLATE_NOOP("Win32SerialPortTexts", "The cable was unplugged: %1 went away (%2). Plug it in and try again.");

// A frame is 42 bytes; the system queues a few kilobytes at most.
constexpr qint64 kLargestRead = 1 << 16;

HANDLE Handle(void* handle)
{
    return static_cast<HANDLE>(handle);
}

// COM10 and above open only by their device path; the path works for every port.
std::wstring DevicePath(const QString& device)
{
    QString path = device;
    if (!path.startsWith(QLatin1String("\\\\.\\")))
        path.prepend(QLatin1String("\\\\.\\"));
    return path.toStdWString();
}

}  // namespace

Win32SerialPort::~Win32SerialPort()
{
    Close();
}

bool Win32SerialPort::Open(const QString& device)
{
    Close();
    device_ = device;
    error_ = 0;
    opening_ = true;
    const HANDLE handle =
        CreateFileW(DevicePath(device).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        Fail(GetLastError());
        return false;
    }
    handle_ = handle;
    if (!Configure()) {
        const unsigned long error = error_;
        Close();
        error_ = error;
        return false;
    }
    opening_ = false;
    return true;
}

// 9600 8N1, no flow control, and read time-outs that return at once with
// whatever has arrived.
bool Win32SerialPort::Configure()
{
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!GetCommState(Handle(handle_), &dcb)) {
        Fail(GetLastError());
        return false;
    }
    dcb.BaudRate = CBR_9600;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = TRUE;
    dcb.fParity = FALSE;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fErrorChar = FALSE;
    dcb.fNull = FALSE;
    dcb.fAbortOnError = FALSE;
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    timeouts.WriteTotalTimeoutConstant = 2000;
    if (!SetCommState(Handle(handle_), &dcb) || !SetCommTimeouts(Handle(handle_), &timeouts)) {
        Fail(GetLastError());
        return false;
    }
    PurgeComm(Handle(handle_), PURGE_RXCLEAR | PURGE_TXCLEAR);
    return true;
}

void Win32SerialPort::Close()
{
    if (handle_)
        CloseHandle(Handle(handle_));
    handle_ = nullptr;
}

bool Win32SerialPort::IsOpen() const
{
    return handle_ != nullptr;
}

qint64 Win32SerialPort::BytesWaiting() const
{
    if (!handle_)
        return 0;
    DWORD errors = 0;
    COMSTAT status{};
    if (!ClearCommError(Handle(handle_), &errors, &status)) {
        Fail(GetLastError());
        return 0;
    }
    return status.cbInQue;
}

// The read time-outs make ReadFile return at once with what has arrived, so
// the callers' look at BytesWaiting is not asked of the system again here.
QByteArray Win32SerialPort::Read(qint64 maxBytes)
{
    const qint64 count = std::min<qint64>(maxBytes, kLargestRead);
    if (!handle_ || count <= 0)
        return {};
    QByteArray bytes(int(count), '\0');
    DWORD got = 0;
    if (!ReadFile(Handle(handle_), bytes.data(), DWORD(count), &got, nullptr)) {
        Fail(GetLastError());
        return {};
    }
    bytes.resize(int(got));
    return bytes;
}

void Win32SerialPort::DiscardInput()
{
    if (handle_)
        PurgeComm(Handle(handle_), PURGE_RXCLEAR | PURGE_RXABORT);
}

bool Win32SerialPort::Write(const QByteArray& bytes)
{
    if (!handle_)
        return false;
    DWORD sent = 0;
    if (!WriteFile(Handle(handle_), bytes.constData(), DWORD(bytes.size()), &sent, nullptr)) {
        Fail(GetLastError());
        return false;
    }
    return sent == DWORD(bytes.size());
}

void Win32SerialPort::Fail(unsigned long error) const
{
    if (!error_)
        error_ = error;
}

// Why opening failed is told by the system's words; the causes and their
// fixes follow from LookAtDevice. A failure while open means the port went.
Fault Win32SerialPort::Failure() const
{
    if (!error_)
        return {};
    const QString reason = opening_ ? WindowsErrorText(error_)
                                    : QString::fromLatin1(kUnplugged).arg(device_, WindowsErrorText(error_));
    return Fault{int(error_), reason.toStdString()};
}

QString Win32SerialPort::FailureText() const
{
    if (!error_)
        return {};
    return opening_ ? WindowsErrorText(error_)
                    : QCoreApplication::translate("Win32SerialPortTexts", kUnplugged)
                          .arg(device_, WindowsErrorText(error_));
}

bool Win32SerialPort::PermissionDenied() const
{
    return error_ == ERROR_ACCESS_DENIED;
}

std::unique_ptr<SerialPort> NewSystemSerialPort() { return std::make_unique<Win32SerialPort>(); }

}  // namespace quorlink
