// SPDX-License-Identifier: GPL-3.0-or-later
#include "Zip.h"

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipfileinfo.h>

#include <QCoreApplication>
#include <QtEndian>

#include <cstring>

namespace documents {

bool IsZip(const QByteArray& data) {
    return data.startsWith("PK\x03\x04") || data.startsWith("PK\x05\x06");
}

QByteArray ZipMimetype(const QByteArray& data) {
    // Local file header: signature, version, flags, method (offset 8), time, date, CRC, sizes
    // (compressed at 18), name length (26), extra length (28), then the name at 30.
    if (data.size() < 30 || !data.startsWith("PK\x03\x04"))
        return {};
    // The header in a buffer of its own: the compiler cannot see that `data` is long enough.
    unsigned char head[30];
    std::memcpy(head, data.constData(), sizeof head);
    auto u16 = [&](int at) { return qFromLittleEndian<quint16>(head + at); };
    auto u32 = [&](int at) { return qFromLittleEndian<quint32>(head + at); };
    const quint32 size = u32(18);
    const int nameLength = u16(26), extraLength = u16(28);
    if (u16(8) != 0 || nameLength != 8 || size > 200 ||
        data.size() < 30 + nameLength + extraLength + qsizetype(size))
        return {};
    if (data.mid(30, 8) != "mimetype")
        return {};
    return data.mid(30 + nameLength + extraLength, size).trimmed();
}

TZip::TZip(const QByteArray& data, const QString& kind)
    : FData(data), FZip(std::make_unique<QuaZip>(&FBuffer)), FKind(kind) {
    FBuffer.setBuffer(&FData);
    if (!FZip->open(QuaZip::mdUnzip))
        //: why a document cannot be read (as the messages that follow), after "... cannot be
        //: read: "
        Fail(QCoreApplication::translate("TZip", "its zip archive is damaged or incomplete"));
    FNames = FZip->getFileNameList();
    if (FZip->getZipError() != UNZ_OK)
        Fail(QCoreApplication::translate("TZip",
                                         "the list of its zip archive's members is damaged"));
}

TZip::~TZip() {
    FZip->close();
}

void TZip::Fail(const QString& why) const {
    //: %1 is the document ("The EPUB book"), %2 why it cannot be read
    throw EImportError(
        QCoreApplication::translate("TZip", "%1 cannot be read: %2.").arg(FKind, why));
}

bool TZip::Has(const QString& name) const {
    return FNames.contains(name);
}

QByteArray TZip::Read(const QString& name, bool optional) {
    if (!FZip->setCurrentFile(name, QuaZip::csSensitive)) {
        if (optional)
            return {};
        Fail(QCoreApplication::translate("TZip", "its part \"%1\" is missing").arg(name));
    }
    QuaZipFileInfo64 info;
    if (!FZip->getCurrentFileInfo(&info))
        Fail(QCoreApplication::translate("TZip", "its part \"%1\" is damaged").arg(name));
    if (info.flags & 1)
        Fail(QCoreApplication::translate("TZip", "its part \"%1\" is protected by a password")
                 .arg(name));
    if (info.uncompressedSize > quint64(MaxArchiveMember) ||
        FExpanded + qint64(info.uncompressedSize) > MaxArchiveExpansion)
        //: %1 is the name of a part of the archive, %2 a number
        Fail(QCoreApplication::translate(
                 "TZip", "its part \"%1\" claims to expand to %2 MB, far more than a document "
                         "holds (a damaged or hostile archive)")
                 .arg(name)
                 .arg(info.uncompressedSize / (1024 * 1024)));
    QuaZipFile file(FZip.get());
    if (!file.open(QIODevice::ReadOnly))
        Fail(QCoreApplication::translate("TZip", "its part \"%1\" is damaged").arg(name));
    // The claimed size can lie: the bytes are counted as they come.
    const qint64 claimed = qint64(info.uncompressedSize);
    QByteArray out;
    out.reserve(qsizetype(std::min<qint64>(claimed, 16 * 1024 * 1024)));
    char buffer[64 * 1024];
    for (;;) {
        const qint64 n = file.read(buffer, sizeof buffer);
        if (n < 0)
            Fail(QCoreApplication::translate("TZip", "its part \"%1\" is damaged").arg(name));
        if (n == 0)
            break;
        if (out.size() + n > claimed || out.size() + n > MaxArchiveMember)
            Fail(QCoreApplication::translate(
                     "TZip", "its part \"%1\" expands to more than it claims (a damaged or "
                             "hostile archive)")
                     .arg(name));
        out.append(buffer, n);
    }
    file.close();
    if (file.getZipError() != UNZ_OK || out.size() != claimed)
        Fail(QCoreApplication::translate(
                 "TZip", "its part \"%1\" is damaged (its checksum or size is wrong)")
                 .arg(name));
    FExpanded += out.size();
    return out;
}

} // namespace documents
