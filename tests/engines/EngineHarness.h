// Drives an engine through the speech contract directly, recording every notification with
// the time it arrived. Used by the engine tests and benchmarks.
#pragma once

#include "SpeechApi.h"

#include <QElapsedTimer>

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

namespace testsupport {

using namespace speech;

struct Recorder : ITTSNotifySink2A, ITTSBufNotifySink, std::enable_shared_from_this<Recorder> {
    struct Word {
        std::uint32_t offset;
        qint64 ms;
    };
    std::mutex mutex;
    QElapsedTimer clock;
    std::vector<Word> words;
    std::atomic<int> starts{0}, stops{0}, errors{0};
    std::atomic<qint64> startMs{-1}, stopMs{-1};
    std::int32_t lastError = 0;

    Recorder() { clock.start(); }
    HRESULT QueryInterface(const GUID& iid, std::shared_ptr<void>& out) override {
        return QueryInterfaceOf<Recorder, ITTSNotifySinkA, ITTSNotifySink2A, ITTSBufNotifySink>(
            shared_from_this(), iid, out);
    }
    HRESULT AttribChanged(DWORD) override { return S_OK; }
    HRESULT AudioStart(QWORD) override {
        startMs = clock.elapsed();
        ++starts;
        return S_OK;
    }
    HRESULT AudioStop(QWORD) override {
        stopMs = clock.elapsed();
        ++stops;
        return S_OK;
    }
    HRESULT Visual(QWORD, char, char, DWORD, PTTSMouth) override { return S_OK; }
    HRESULT Error(const std::shared_ptr<ITTSErrorObject>& e) override {
        TTSERRORINFO info;
        e->GetErrorInfo(info);
        lastError = info.Code;
        ++errors;
        return S_OK;
    }
    HRESULT Warning(const std::shared_ptr<ITTSErrorObject>&) override { return S_OK; }
    HRESULT VisualFuture(DWORD, QWORD, char, char, DWORD, PTTSMouth) override { return S_OK; }
    HRESULT TextDataDone(QWORD, DWORD) override { return S_OK; }
    HRESULT TextDataStarted(QWORD) override { return S_OK; }
    HRESULT BookMark(QWORD, DWORD) override { return S_OK; }
    HRESULT WordPosition(QWORD, DWORD offset) override {
        std::lock_guard lock(mutex);
        words.push_back({offset, clock.elapsed()});
        return S_OK;
    }
};

// A bound mode with its destination and recorder.
struct Binding {
    std::shared_ptr<ITTSCentralA> central;
    std::shared_ptr<ITTSAttributesA> attributes;
    std::shared_ptr<IUnknown> destination;
    std::shared_ptr<Recorder> recorder = std::make_shared<Recorder>();

    // Binds mode `index` of the enumeration to a new destination of class `clsid`.
    bool Bind(int index, const GUID& clsid);
    // Hands `text` to the engine (tagged) and restarts the recorder's clock.
    HRESULT Speak(const std::string& text);
    // Waits (without an event loop: the recorder is called on the engine's threads).
    bool WaitStop(int timeoutMs);
};

} // namespace testsupport
