// SPDX-License-Identifier: GPL-3.0-or-later
#include "write_verification.h"

#include "clone_protocol.h"
#include "frame.h"
#include "image_areas.h"
#include "latin1.h"
#include "model.h"
#include "serial_link.h"
#include "model_text.h"

#include <QCoreApplication>

namespace quorlink {

namespace {
constexpr int kListedDifferences = 8;  // a box with hundreds of lines helps no one

struct WriteVerificationTexts {
    Q_DECLARE_TR_FUNCTIONS(WriteVerificationTexts)
};
}  // namespace

std::vector<int> WrittenDifferences(const Image& sent, const Image& readBack, const BlockSet& taken)
{
    std::vector<int> differences;
    for (int address = 0; address < kImageSize; ++address)
        if (IsWrittenAddress(address) &&
            (!taken.test(static_cast<std::size_t>(address / kBlockSize)) || sent[address] != readBack[address]))
            differences.push_back(address);
    return differences;
}

QString VerifyErrorText(const Model& model, const std::vector<int>& differences)
{
    const int count = static_cast<int>(differences.size());
    QString text = count == 1 ? WriteVerificationTexts::tr("Verify Error!!\n%1 byte in the radio is not what was "
                                                           "written:").arg(count)
                              : WriteVerificationTexts::tr("Verify Error!!\n%1 bytes in the radio are not what was "
                                                           "written:").arg(count);
    for (int i = 0; i < count && i < kListedDifferences; ++i)
    {
        const int address = differences[static_cast<std::size_t>(i)];
        text += QStringLiteral("\n0x%1 %2")
                    .arg(QString::number(address, 16).toUpper().rightJustified(4, QLatin1Char('0')),
                         ModelText(ImageAreaWords(model, address)));
    }
    if (count > kListedDifferences)
        text += WriteVerificationTexts::tr("\nand %1 more").arg(count - kListedDifferences);
    return text;
}

namespace {

WriteCheck Verified(CloneProtocol& protocol, const QString& title, const std::vector<int>& differences)
{
    if (differences.empty())
        return {Verification::Matched, Outcome::Done()};
    const QString text = VerifyErrorText(protocol.link().model(), differences);
    return {Verification::Differs,
            Outcome::Failed().Say(title.toStdString(), text.toStdString(), MessageIcon::Critical)};
}

}  // namespace

WriteCheck VerifyWrite(CloneProtocol& protocol)
{
    Model& model = protocol.link().model();
    Image readBack{};
    BlockSet taken;
    Outcome read = protocol.ReadBackWritten(readBack, taken);
    if (!read.done())
        return {Verification::NotRead, std::move(read)};
    return Verified(protocol, ProgramTitle(),
                    WrittenDifferences(model.MemoryImage, readBack, taken));
}

WriteCheck VerifyClear(CloneProtocol& protocol)
{
    Model& model = protocol.link().model();
    Image readBack = model.MemoryImage;
    readBack[addr::UserMmsiCount] = static_cast<std::uint8_t>(~model.MemoryImage[addr::UserMmsiCount]);
    Outcome read = protocol.ReadBackCleared(readBack);
    if (!read.done())
        return {Verification::NotRead, std::move(read)};
    std::vector<int> differences;
    if (readBack[addr::UserMmsiCount] != model.MemoryImage[addr::UserMmsiCount])
        differences.push_back(addr::UserMmsiCount);
    return Verified(protocol, WriteVerificationTexts::tr("Clear Data"), differences);
}

}  // namespace quorlink
