// SPDX-License-Identifier: GPL-3.0-or-later
// The platform's enumerator: every family's voices as one list.
#include "EngineFamily.h"

#include "KoUtils.h"
#include "Lexicon.h"

#include <QElapsedTimer>

#include <algorithm>
#include <condition_variable>
#include <map>
#include <mutex>

namespace engines {

using namespace speech;

namespace {

std::string LanguageGroup(const std::string& tag) {
    std::string g = tag.substr(0, tag.find_first_of("-_"));
    for (char& c : g)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return g;
}

struct Entry {
    std::size_t family = 0;
    TTSMODEINFOA info;
};

// What the families have listed; shared with the callbacks of the families that list in the
// background, which may run after the enumerator is gone.
struct Waiters {
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::function<void()>> listed;
};

class VoicesEnum : public ITTSEnumA,
                   public ITTSEnumLater,
                   public std::enable_shared_from_this<VoicesEnum> {
public:
    explicit VoicesEnum(TEngineFamilies families) : FFamilies(std::move(families)) {}

    HRESULT QueryInterface(const GUID& iid, std::shared_ptr<void>& out) override {
        return QueryInterfaceOf<VoicesEnum, ITTSEnumA, ITTSEnumLater>(shared_from_this(), iid, out);
    }

    HRESULT Reset() override {
        FPos = 0;
        return S_OK;
    }
    HRESULT Skip(DWORD count) override {
        const std::size_t size = List().size();
        if (FPos + count > size) {
            FPos = size;
            return S_FALSE;
        }
        FPos += count;
        return S_OK;
    }
    HRESULT Next(DWORD count, TTSMODEINFOA* records, DWORD& fetched) override {
        fetched = 0;
        if (!records && count > 0)
            return E_POINTER;
        // Engine 0 alone is what a job with the default voice asks for: the first family finds
        // it without listing every voice, and it stays first in the whole list.
        if (FPos == 0 && count == 1 && !FList) {
            if (const Entry* first = First()) {
                records[fetched++] = first->info;
                FPos = 1;
                return S_OK;
            }
        }
        const std::vector<Entry>& list = List();
        while (fetched < count && FPos < list.size())
            records[fetched++] = list[FPos++].info;
        return fetched == count ? S_OK : S_FALSE;
    }
    HRESULT Select(const GUID& modeId, std::shared_ptr<ITTSCentralA>& central,
                   const std::shared_ptr<IUnknown>& destination) override {
        std::optional<Entry> entry = Find(modeId);
        if (!entry && !AllListed() && WaitListed(kSelectWaitMs))
            entry = Find(modeId); // a voice of a family listed in the background
        if (!entry)
            return TTSERR_INVALIDMODE;
        // The lexicon is read when the first voice starts speaking for this process, and again
        // when its file changed since; a fault in it is told once and never stops speech.
        PrepareLexicon();
        return FFamilies[entry->family]->Select(entry->info, central, destination);
    }

    // ITTSEnumLater
    bool WaitListed(DWORD ms) override {
        if (ms == 0)
            return AllListed(); // only tells: a listing is never started by asking
        StartListing();
        QElapsedTimer t;
        t.start();
        std::unique_lock lock(FWaiters->mutex);
        while (!AllListed()) {
            const qint64 left = qint64(ms) - t.elapsed();
            if (left <= 0)
                return false;
            FWaiters->changed.wait_for(lock, std::chrono::milliseconds(std::min<qint64>(left, 50)));
        }
        return true;
    }
    HRESULT OnListed(std::function<void()> listed) override {
        {
            std::lock_guard lock(FWaiters->mutex);
            if (!AllListed()) {
                FWaiters->listed.push_back(std::move(listed));
                listed = nullptr;
            }
        }
        if (listed)
            listed();
        StartListing();
        return S_OK;
    }
    std::string Problems() override {
        std::string out;
        for (const auto& f : FFamilies)
            if (std::string p = f->Problem(); !p.empty())
                out += f->Name() + ": " + p + "\n";
        return out;
    }

private:
    static constexpr DWORD kSelectWaitMs = 20000;

    bool AllListed() const {
        return std::all_of(FFamilies.begin(), FFamilies.end(),
                           [](const auto& f) { return f->Listed(); });
    }
    std::size_t ListedCount() const {
        return std::size_t(std::count_if(FFamilies.begin(), FFamilies.end(),
                                         [](const auto& f) { return f->Listed(); }));
    }

    void StartListing() {
        if (FListingStarted)
            return;
        FListingStarted = true;
        for (const auto& f : FFamilies) {
            if (f->Listed())
                continue;
            std::weak_ptr<Waiters> weak = FWaiters;
            auto self = FFamilies; // the callback asks them whether all are listed
            f->StartListing([weak, self] {
                auto w = weak.lock();
                if (!w)
                    return;
                std::vector<std::function<void()>> run;
                {
                    std::lock_guard lock(w->mutex);
                    w->changed.notify_all();
                    if (!std::all_of(self.begin(), self.end(),
                                     [](const auto& f) { return f->Listed(); }))
                        return;
                    run.swap(w->listed);
                }
                for (auto& fn : run)
                    fn();
            });
        }
    }

    const Entry* First() {
        if (!FFirstKnown) {
            FFirstKnown = true;
            if (!FFamilies.empty())
                if (auto info = FFamilies.front()->FirstMode())
                    FFirst = Entry{0, *info};
        }
        return FFirst ? &*FFirst : nullptr;
    }

    // Every mode listed so far; made again when a family listed in the background has come.
    const std::vector<Entry>& List() {
        const std::size_t listed = ListedCount();
        if (FList && FListedAt == listed)
            return *FList;
        FListedAt = listed;
        std::vector<std::vector<TTSMODEINFOA>> modes;
        std::vector<std::vector<std::string>> languages;
        for (const auto& f : FFamilies) {
            modes.push_back(f->Modes());
            std::vector<std::string> l;
            for (const TTSMODEINFOA& m : modes.back())
                l.emplace_back(m.language.szDialect,
                               strnlen(m.language.szDialect, sizeof m.language.szDialect));
            languages.push_back(std::move(l));
        }
        std::vector<Entry> list;
        for (auto [f, i] : MergeVoiceOrder(languages))
            list.push_back({f, modes[f][i]});
        FList = std::move(list);
        FPos = std::min(FPos, FList->size());
        return *FList;
    }

    std::optional<Entry> Find(const GUID& modeId) {
        if (!FList)
            if (const Entry* first = First(); first && first->info.gModeID == modeId)
                return *first;
        for (const Entry& e : List())
            if (e.info.gModeID == modeId)
                return e;
        return std::nullopt;
    }

    TEngineFamilies FFamilies;
    std::optional<std::vector<Entry>> FList;
    std::size_t FListedAt = 0;
    std::optional<Entry> FFirst;
    bool FFirstKnown = false;
    bool FListingStarted = false;
    std::size_t FPos = 0;
    std::shared_ptr<Waiters> FWaiters = std::make_shared<Waiters>();
};

} // namespace

std::vector<std::pair<std::size_t, std::size_t>>
MergeVoiceOrder(const std::vector<std::vector<std::string>>& languages) {
    std::vector<std::pair<std::size_t, std::size_t>> merged;
    std::vector<std::string> groups; // of each merged entry
    for (std::size_t f = 0; f < languages.size(); ++f) {
        const std::vector<std::string>& langs = languages[f];
        if (merged.empty()) {
            // The first family with voices keeps its own order.
            for (std::size_t i = 0; i < langs.size(); ++i) {
                merged.emplace_back(f, i);
                groups.push_back(LanguageGroup(langs[i]));
            }
            continue;
        }
        std::vector<std::string> order; // this family's groups, as they first come
        std::map<std::string, std::vector<std::size_t>> buckets;
        for (std::size_t i = 0; i < langs.size(); ++i) {
            const std::string g = LanguageGroup(langs[i]);
            auto [it, added] = buckets.try_emplace(g);
            if (added)
                order.push_back(g);
            it->second.push_back(i);
        }
        std::map<std::string, std::size_t> last;
        for (std::size_t k = 0; k < groups.size(); ++k)
            last[groups[k]] = k;
        std::vector<std::pair<std::size_t, std::size_t>> next;
        std::vector<std::string> nextGroups;
        auto put = [&](const std::string& g) {
            auto it = buckets.find(g);
            if (it == buckets.end())
                return;
            for (std::size_t i : it->second) {
                next.emplace_back(f, i);
                nextGroups.push_back(g);
            }
            buckets.erase(it);
        };
        for (std::size_t k = 0; k < merged.size(); ++k) {
            next.push_back(merged[k]);
            nextGroups.push_back(groups[k]);
            if (last[groups[k]] == k)
                put(groups[k]);
        }
        for (const std::string& g : order)
            put(g);
        merged.swap(next);
        groups.swap(nextGroups);
    }
    return merged;
}

HRESULT CreateVoicesEnum(const TEngineFamilies& families, std::shared_ptr<IUnknown>& out) {
    out = std::make_shared<VoicesEnum>(families);
    return S_OK;
}

} // namespace engines
