#include "whole_file.h"

#include "file_fault.h"

#include <QSaveFile>

namespace quorlink {

Fault WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    // Unbuffered, so that a short write shows at once: a buffered one can be
    // cut short while the buffer is flushed and still be committed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return FileFault(file);
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0) {
            const Fault fault = FileFault(QFileDevice::WriteError,
                                          file.errorString().isEmpty() || file.error() == QFileDevice::NoError
                                              ? QStringLiteral("The file could not be written completely")
                                              : file.errorString(),
                                          path);
            file.cancelWriting();
            return fault;
        }
        written += n;
    }
    if (!file.commit())
        return FileFault(file);
    return {};
}

}  // namespace quorlink
