// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the single instance's messages, from any bytes as a later start (or anything
// else that connects) may send them, in chunks of any size. The holder acts only on a request
// followed by "go", and then on exactly the files it named; a complete request reads back
// from its canonical form, each of its beginnings reads as incomplete; any list of names
// survives a request and its reading, byte for byte.
#include "platform/FileNames.h"
#include "platform/unix/InstanceMessages.h"

#include <cstdint>
#include <cstdlib>

using namespace platform::instance;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const qsizetype chunk = 1 + data[0] % 64;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));

    // The holder, fed as the bytes arrive.
    THolderSide side;
    QByteArray fed;
    bool ready = false;
    THolderSide::TStep step = THolderSide::Wait;
    for (qsizetype at = 0; step == THolderSide::Wait || step == THolderSide::SendReady;) {
        const QByteArrayView piece = bytes.sliced(at, std::min(chunk, bytes.size() - at));
        at += piece.size();
        fed += piece;
        step = side.Received(piece, at >= bytes.size());
        if (step == THolderSide::SendReady) {
            if (ready)
                std::abort(); // "ready" once
            ready = true;
            step = side.Received({}, at >= bytes.size());
        }
        if (at >= bytes.size() && step == THolderSide::Wait)
            std::abort(); // all has come: it must decide
    }
    if (step == THolderSide::Act && (!ready || !fed.endsWith(Go)))
        std::abort();

    // The request by itself.
    platform::TInstanceRequest read;
    qsizetype used = 0;
    if (ReadRequest(bytes, &read, &used) == TRead::Complete) {
        // Entries of other names are left out, so only what was understood comes back.
        platform::TInstanceRequest again;
        const QByteArray canonical = Request(read);
        if (used > bytes.size() || ReadRequest(canonical, &again, nullptr) != TRead::Complete ||
            again != read)
            std::abort();
        for (const qsizetype cut : {used - 1, used / 2})
            if (cut >= 0 && ReadRequest(bytes.first(cut), nullptr, nullptr) != TRead::Incomplete)
                std::abort();
    }

    // Any names, as the system may hold them, through a request and back.
    platform::TInstanceRequest names;
    for (const QByteArray& part : bytes.toByteArray().split('\0'))
        if (!part.isEmpty()) {
            names.Files << platform::DecodeFileName('/' + part);
            if (platform::EncodeFileName(names.Files.last()) != '/' + part)
                std::abort();
        }
    // An action and a token of any text travel as well, unless they hold a NUL.
    const QString text = QString::fromUtf8(bytes.first(std::min<qsizetype>(bytes.size(), 40)));
    if (!text.contains(QChar(0))) {
        names.Action = text;
        names.ActivationToken = text;
    }
    platform::TInstanceRequest back;
    const QByteArray request = Request(names);
    if (ReadRequest(request, &back, &used) != TRead::Complete || used != request.size() ||
        back != names)
        std::abort();
    if ((ReadReply(bytes, Ready) == TRead::Complete) != (bytes == QByteArrayView(Ready)))
        std::abort();
    return 0;
}
