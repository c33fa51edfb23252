// SPDX-License-Identifier: GPL-3.0-or-later
#include "write_verification.h"

#include "clone_protocol.h"
#include "image_areas.h"
#include "latin1.h"
#include "model.h"
#include "prompt.h"
#include "serial_link.h"

namespace quorlink {

namespace {
constexpr int kListedDifferences = 8;  // a box with hundreds of lines helps no one
}  // namespace

std::vector<int> WrittenDifferences(const Image& sent, const Image& readBack)
{
    std::vector<int> differences;
    for (int address = 0; address < kImageSize; ++address)
        if (IsWrittenAddress(address) && sent[address] != readBack[address])
            differences.push_back(address);
    return differences;
}

QString VerifyErrorText(const Model& model, const std::vector<int>& differences)
{
    const int count = static_cast<int>(differences.size());
    QString text = QStringLiteral("Verify Error!!\n%1 %2 in the radio %3 not what was written:")
                       .arg(count)
                       .arg(count == 1 ? QStringLiteral("byte") : QStringLiteral("bytes"),
                            count == 1 ? QStringLiteral("is") : QStringLiteral("are"));
    for (int i = 0; i < count && i < kListedDifferences; ++i)
    {
        const int address = differences[static_cast<std::size_t>(i)];
        text += QStringLiteral("\n0x%1 %2")
                    .arg(QString::number(address, 16).toUpper().rightJustified(4, QLatin1Char('0')),
                         ToQString(ImageAreaName(model, address)));
    }
    if (count > kListedDifferences)
        text += QStringLiteral("\nand %1 more").arg(count - kListedDifferences);
    return text;
}

bool VerifyWrite(CloneProtocol& protocol)
{
    Model& model = protocol.link().model();
    Image readBack = model.MemoryImage;
    protocol.ReadBackWritten(readBack);
    if (model.ErrorFlag || model.CancelFlag)
        return false;
    const std::vector<int> differences = WrittenDifferences(model.MemoryImage, readBack);
    if (differences.empty())
        return true;
    model.ErrorFlag = true;
    protocol.prompt().Message(QStringLiteral("Program to Radio"), VerifyErrorText(model, differences),
                              MessageIcon::Critical);
    return false;
}

}  // namespace quorlink
