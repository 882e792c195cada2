// SPDX-License-Identifier: GPL-3.0-or-later
// What a later start and the running reader say to each other over the single instance's
// socket:
//
//   later start:  "show" NUL, then each entry and NUL, then one more NUL       the request
//                 an entry is a file (its bytes, as the system names it; always absolute, so
//                 it starts with "/"), or "action=NAME", or "activation-token=TOKEN"; an entry
//                 of another name is left alone, so that a newer start can say more
//   holder:       "ready" LF                                 it has read the request
//   later start:  "go" LF                                    it still waits: act now
//   holder:       "ok" LF                                    done
//
// The holder acts only on "go". A later start that gave up before the holder could answer (it
// was stopped, or hung) has told its user so and closed its end; the holder, when it wakes,
// drops the request instead of opening the files behind the user's back, so that a retry does
// not open them twice.
#pragma once

#include "platform/Services.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

namespace platform::instance {

// Longer requests are refused: no start hands over that many files.
inline constexpr qsizetype MaxRequest = 1 << 20;

inline constexpr char Ready[] = "ready\n";
inline constexpr char Go[] = "go\n";
inline constexpr char Done[] = "ok\n";

// The message for `request`; what cannot travel (empty names, relative ones, anything holding a
// NUL) is left out.
QByteArray Request(const TInstanceRequest& request);

enum class TRead { Incomplete, Complete, Malformed };

// Reads a request from the bytes received so far. On Complete, `request` holds it and `used`
// its length (what follows belongs to the next message).
TRead ReadRequest(QByteArrayView received, TInstanceRequest* request, qsizetype* used);

// Whether `received` is the message `expected`, a beginning of it, or anything else.
TRead ReadReply(QByteArrayView received, QByteArrayView expected);

// The holder's side of one conversation, fed with what arrives as it arrives.
class THolderSide {
public:
    enum TStep {
        Wait,      // for more
        SendReady, // the request is complete: answer "ready", then call Received again
        Act,       // the start still waits: show the window, act on Request(), answer "ok"
        Drop,      // not a start of this program, or one that gave up: close, do nothing
    };
    // `ended`: the start has closed its end; nothing more will come.
    TStep Received(QByteArrayView bytes, bool ended);
    const TInstanceRequest& Request() const { return FRequest; }

private:
    QByteArray FIn;
    TInstanceRequest FRequest;
    bool FRequested = false;
};

} // namespace platform::instance
