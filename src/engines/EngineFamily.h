// SPDX-License-Identifier: GPL-3.0-or-later
// The families of voices: each one engine (a library in this process, or a speech service in
// another) behind the speech contract. The platform's enumerator lists the voices of every
// family as one list, and hands a selection to the family that owns the voice.
//
// A family that cannot work on this machine (its library or its service is missing) lists no
// voice and says why; the others go on.
#pragma once

#include "SpeechApi.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace engines {

class TEngineFamily {
public:
    virtual ~TEngineFamily() = default;

    // The family's name, as the voice list shows it beside each voice, and the one that
    // NURVA_ENGINES names it by.
    virtual std::string Name() const = 0;
    virtual std::string Id() const = 0;
    // The family's first mode when it can be found without listing them all; nullopt when it
    // cannot be, or there is none.
    virtual std::optional<speech::TTSMODEINFOA> FirstMode() { return std::nullopt; }
    // Every mode, in the family's own order. A family in this process answers at once; one
    // listed in the background answers with what it has (nothing before it is listed).
    virtual std::vector<speech::TTSMODEINFOA> Modes() = 0;
    // False while a family listed in the background has not finished; StartListing starts
    // that (once; later calls only add `listed`), and `listed` runs on any thread when done.
    virtual bool Listed() { return true; }
    virtual void StartListing(std::function<void()> listed) { listed(); }
    // Binds one of the family's modes to a destination.
    virtual speech::HRESULT Select(const speech::TTSMODEINFOA& mode,
                                   std::shared_ptr<speech::ITTSCentralA>& central,
                                   const std::shared_ptr<speech::IUnknown>& destination) = 0;
    // Why the family offers no voices here (or fewer than it could); empty when all is well.
    virtual std::string Problem() { return {}; }
};

using TEngineFamilies = std::vector<std::shared_ptr<TEngineFamily>>;

// The enumerator of every family's modes as one list. Within each language the first family's
// voices come first, in that family's own order (which the list keeps as it is, so that engine 0
// is that family's first voice), then the next family's. A language the first family lacks
// follows at the end.
speech::HRESULT CreateVoicesEnum(const TEngineFamilies& families,
                                 std::shared_ptr<speech::IUnknown>& out);

// The merged order: for each family (in order), the languages of its modes (in its order);
// gives (family, mode) pairs. Languages are grouped by their first subtag, in any letter case.
std::vector<std::pair<std::size_t, std::size_t>>
MergeVoiceOrder(const std::vector<std::vector<std::string>>& languages);

} // namespace engines
