// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/unix/InstanceMessages.h"

#include "platform/FileNames.h"

namespace platform::instance {

namespace {
constexpr QByteArrayView Tag("show\0", 5);
constexpr QByteArrayView ActionKey("action=");
constexpr QByteArrayView TokenKey("activation-token=");

void AddEntry(QByteArray& out, const QByteArray& entry) {
    if (!entry.isEmpty() && !entry.contains('\0'))
        out += entry + '\0';
}

void AddOption(QByteArray& out, QByteArrayView key, const QString& value) {
    if (!value.isEmpty())
        AddEntry(out, key.toByteArray() + value.toUtf8());
}
} // namespace

QByteArray Request(const TInstanceRequest& request) {
    QByteArray out(Tag.data(), Tag.size());
    for (const QString& file : request.Files)
        if (file.startsWith(u'/'))
            AddEntry(out, EncodeFileName(file));
    AddOption(out, ActionKey, request.Action);
    AddOption(out, TokenKey, request.ActivationToken);
    out += '\0';
    return out;
}

TRead ReadRequest(QByteArrayView received, TInstanceRequest* request, qsizetype* used) {
    if (received.size() < Tag.size())
        return Tag.startsWith(received) ? TRead::Incomplete : TRead::Malformed;
    if (!received.startsWith(Tag))
        return TRead::Malformed;
    // The end first: the names are decoded once, when the whole request is there.
    const qsizetype end = received.indexOf(QByteArrayView("\0\0", 2), Tag.size() - 1);
    if (end < 0 || end + 2 > MaxRequest)
        return received.size() > MaxRequest ? TRead::Malformed : TRead::Incomplete;
    TInstanceRequest out;
    for (qsizetype pos = Tag.size(); pos <= end;) {
        const qsizetype next = received.indexOf('\0', pos);
        const QByteArrayView entry = received.sliced(pos, next - pos);
        pos = next + 1;
        if (entry.startsWith('/'))
            out.Files << DecodeFileName(entry.toByteArray());
        else if (entry.startsWith(ActionKey))
            out.Action = QString::fromUtf8(entry.sliced(ActionKey.size()));
        else if (entry.startsWith(TokenKey))
            out.ActivationToken = QString::fromUtf8(entry.sliced(TokenKey.size()));
    }
    if (request)
        *request = std::move(out);
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
        switch (ReadRequest(FIn, &FRequest, &used)) {
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
