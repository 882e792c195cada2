// SPDX-License-Identifier: GPL-3.0-or-later
// What every engine's central does with the notification sinks its clients register: each kept
// under a key of its own, as the interface it was registered as, and told of the start, the end
// and the errors of a stream.
#pragma once

#include "SpeechApi.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace engines {

struct Sink {
    std::shared_ptr<speech::ITTSNotifySinkA> basic;
    std::shared_ptr<speech::ITTSNotifySink2A> extended; // null when registered as the basic sink
};

// The sinks of one central. Not locked: the central's own lock guards it.
class TNotifySinks {
public:
    // `sink` as the notification interface `iid` names: E_NOINTERFACE for another interface, or
    // a sink that does not have it. Asks the sink only, so it is called outside the lock.
    static speech::HRESULT Of(const std::shared_ptr<speech::IUnknown>& sink,
                              const speech::GUID& iid, Sink& out);

    speech::DWORD Add(Sink sink) {
        FSinks[FNextKey] = std::move(sink);
        return FNextKey++;
    }
    bool Remove(speech::DWORD key) { return FSinks.erase(key) > 0; }
    void Clear() { FSinks.clear(); }
    // What to notify, taken under the lock and called outside it.
    std::vector<Sink> Copy() const;

private:
    std::map<speech::DWORD, Sink> FSinks;
    speech::DWORD FNextKey = 1;
};

void NotifyStart(const std::vector<Sink>& sinks);
void NotifyStop(const std::vector<Sink>& sinks);
// The extended sinks hear of the error, with `text` as its description (the contract's own text
// for the code when empty, else "Speech engine error.").
void NotifyError(const std::vector<Sink>& sinks, speech::HRESULT code, std::string text = {});

} // namespace engines
