// SPDX-License-Identifier: GPL-3.0-or-later
// Drives an engine through the speech contract directly, recording every notification with
// the time it arrived. Used by the engine tests and benchmarks.
#pragma once

#include "SpeechApi.h"
#include "TestSupport.h"

#include <QElapsedTimer>

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

namespace testsupport {

struct Recorder : speech::ITTSNotifySink2A,
                  speech::ITTSBufNotifySink,
                  std::enable_shared_from_this<Recorder> {
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
    speech::HRESULT QueryInterface(const speech::GUID& iid, std::shared_ptr<void>& out) override {
        return speech::QueryInterfaceOf<Recorder, speech::ITTSNotifySinkA, speech::ITTSNotifySink2A,
                                        speech::ITTSBufNotifySink>(shared_from_this(), iid, out);
    }
    speech::HRESULT AttribChanged(speech::DWORD) override { return speech::S_OK; }
    speech::HRESULT AudioStart(speech::QWORD) override {
        startMs = clock.elapsed();
        ++starts;
        return speech::S_OK;
    }
    speech::HRESULT AudioStop(speech::QWORD) override {
        stopMs = clock.elapsed();
        ++stops;
        return speech::S_OK;
    }
    speech::HRESULT Visual(speech::QWORD, char, char, speech::DWORD, speech::PTTSMouth) override {
        return speech::S_OK;
    }
    speech::HRESULT Error(const std::shared_ptr<speech::ITTSErrorObject>& e) override {
        speech::TTSERRORINFO info;
        e->GetErrorInfo(info);
        lastError = info.Code;
        ++errors;
        return speech::S_OK;
    }
    speech::HRESULT Warning(const std::shared_ptr<speech::ITTSErrorObject>&) override {
        return speech::S_OK;
    }
    speech::HRESULT VisualFuture(speech::DWORD, speech::QWORD, char, char, speech::DWORD,
                                 speech::PTTSMouth) override {
        return speech::S_OK;
    }
    speech::HRESULT TextDataDone(speech::QWORD, speech::DWORD) override { return speech::S_OK; }
    speech::HRESULT TextDataStarted(speech::QWORD) override { return speech::S_OK; }
    speech::HRESULT BookMark(speech::QWORD, speech::DWORD) override { return speech::S_OK; }
    speech::HRESULT WordPosition(speech::QWORD, speech::DWORD offset) override {
        std::lock_guard lock(mutex);
        words.push_back({offset, clock.elapsed()});
        return speech::S_OK;
    }
};

// A bound mode with its destination and recorder.
struct Binding {
    std::shared_ptr<speech::ITTSCentralA> central;
    std::shared_ptr<speech::ITTSAttributesA> attributes;
    std::shared_ptr<speech::IUnknown> destination;
    std::shared_ptr<Recorder> recorder = std::make_shared<Recorder>();

    // Binds mode `index` of the enumeration to a new destination of class `clsid`.
    bool Bind(int index, const speech::GUID& clsid);
    // Hands `text` to the engine (tagged) and restarts the recorder's clock.
    speech::HRESULT Speak(const std::string& text);
    // Waits (without an event loop: the recorder is called on the engine's threads).
    bool WaitStop(int timeoutMs);
    // Speaks `text` into the WAV file `path` at the writing pace `pace` (0: as fast as it
    // goes), binding mode 0 to a file destination first when nothing is bound yet, and returns
    // what was written; not valid when any step fails.
    Wav SpeakToWav(const std::string& text, const QString& path, speech::WORD pace = 0);
};

} // namespace testsupport
