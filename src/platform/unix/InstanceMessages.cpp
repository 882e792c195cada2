#include "platform/unix/InstanceMessages.h"

#include "platform/FileNames.h"

namespace platform::instance {

namespace {
constexpr QByteArrayView Tag("show\0", 5);
} // namespace

QByteArray Request(const QStringList& files) {
    QByteArray out(Tag.data(), Tag.size());
    for (const QString& file : files) {
        const QByteArray bytes = EncodeFileName(file);
        if (!bytes.isEmpty() && !bytes.contains('\0'))
            out += bytes + '\0';
    }
    out += '\0';
    return out;
}

TRead ReadRequest(QByteArrayView received, QStringList* files, qsizetype* used) {
    if (received.size() < Tag.size())
        return Tag.startsWith(received) ? TRead::Incomplete : TRead::Malformed;
    if (!received.startsWith(Tag))
        return TRead::Malformed;
    // The end first: the names are decoded once, when the whole request is there.
    const qsizetype end = received.indexOf(QByteArrayView("\0\0", 2), Tag.size() - 1);
    if (end < 0 || end + 2 > MaxRequest)
        return received.size() > MaxRequest ? TRead::Malformed : TRead::Incomplete;
    QStringList out;
    for (qsizetype pos = Tag.size(); pos <= end;) {
        const qsizetype next = received.indexOf('\0', pos);
        out << DecodeFileName(received.sliced(pos, next - pos).toByteArray());
        pos = next + 1;
    }
    if (files)
        *files = std::move(out);
    if (used)
        *used = end + 2;
    return TRead::Complete;
}

TRead ReadReply(QByteArrayView received, QByteArrayView expected) {
    if (received == expected)
        return TRead::Complete;
    return received.size() < expected.size() && expected.startsWith(received) ? TRead::Incomplete
                                                                              : TRead::Malformed;
}

THolderSide::TStep THolderSide::Received(QByteArrayView bytes, bool ended) {
    if (FIn.size() + bytes.size() > MaxRequest + qsizetype(sizeof Go))
        return Drop;
    FIn += bytes;
    if (!FRequested) {
        qsizetype used = 0;
        switch (ReadRequest(FIn, &FFiles, &used)) {
        case TRead::Malformed:
            return Drop;
        case TRead::Incomplete:
            return ended ? Drop : Wait;
        case TRead::Complete:
            FIn.remove(0, used);
            FRequested = true;
            return SendReady;
        }
    }
    switch (ReadReply(FIn, Go)) {
    case TRead::Complete:
        return Act;
    case TRead::Incomplete:
        return ended ? Drop : Wait;
    case TRead::Malformed:
        break;
    }
    return Drop;
}

} // namespace platform::instance
