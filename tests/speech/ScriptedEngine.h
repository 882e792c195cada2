// SPDX-License-Identifier: GPL-3.0-or-later
// A small engine for the tests of the speech component: its modes, its refusals and its
// notifications are set by the test, and it records every call it receives.
#pragma once

#include "SpeechApi.h"

#include <QString>

#include <map>
#include <string>
#include <vector>

namespace scripted {

struct Script {
    std::vector<std::string> modeNames;
    std::vector<std::string> playItself; // modes that play on an output of their own
    bool failEnumerator = false;         // the enumerator cannot be created
    int failNextAfter = -1;              // Next fails after this many records (-1: never)
    bool failDestination = false;        // destinations cannot be created
    bool failSelect = false;
    bool failAttributes = false; // the central does not offer attributes
    bool failDialogs = false;
    bool refuseExtendedSink = false;
    bool refuseBasicSink = false;
    bool failFileSet = false;
    speech::HRESULT textDataResult = speech::S_OK;
    speech::HRESULT pauseResult = speech::S_OK;
    speech::HRESULT dialogResult = speech::S_OK;
};

struct Central;

// What the engine saw, for the test to read.
struct Log {
    std::vector<std::string> calls; // "Select 1", "Register ext", "TextData 12", ...
    std::vector<std::string> texts;
    std::vector<speech::DWORD> lengths;
    std::vector<std::string> injected;
    std::vector<std::string> fileNames;
    int flushes = 0;
    std::weak_ptr<Central> lastCentral;
    std::vector<std::weak_ptr<Central>> centrals;
};

Script& CurrentScript();
Log& CurrentLog();
// Installs the scripted classes in place of the platform's, with a fresh script and log.
void Install();

struct Central : speech::ITTSCentralA,
                 speech::ITTSAttributesA,
                 speech::ITTSDialogsA,
                 std::enable_shared_from_this<Central> {
    int modeIndex = -1;
    std::shared_ptr<speech::ITTSNotifySinkA> sink;
    std::shared_ptr<speech::ITTSNotifySink2A> sink2;
    std::shared_ptr<speech::ITTSBufNotifySink> bufSink;
    speech::WORD pitch = 100;
    speech::DWORD speed = 150, realTime = 50, volume = 0xFFFFFFFF;

    speech::HRESULT QueryInterface(const speech::GUID& iid, std::shared_ptr<void>& out) override;
    speech::HRESULT Register(const std::shared_ptr<speech::IUnknown>& s, const speech::GUID& iid,
                             speech::DWORD& key) override;
    speech::HRESULT UnRegister(speech::DWORD key) override;
    speech::HRESULT TextData(speech::DWORD, speech::DWORD flags, const char* text,
                             speech::DWORD length, const std::shared_ptr<speech::IUnknown>& buf,
                             const speech::GUID&) override;
    speech::HRESULT Inject(const char* tag) override;
    speech::HRESULT AudioPause() override;
    speech::HRESULT AudioResume() override;
    speech::HRESULT AudioReset() override;
    // Ranges: pitch 50..400, speed 60..500, real time 1..1000.
    speech::HRESULT PitchGet(speech::WORD& p) override { return p = pitch, speech::S_OK; }
    speech::HRESULT PitchSet(speech::WORD p) override {
        return pitch = std::clamp<speech::WORD>(p, 50, 400), speech::S_OK;
    }
    speech::HRESULT RealTimeGet(speech::DWORD& r) override { return r = realTime, speech::S_OK; }
    speech::HRESULT RealTimeSet(speech::DWORD r) override {
        return realTime = std::clamp<speech::DWORD>(r, 1, 1000), speech::S_OK;
    }
    speech::HRESULT SpeedGet(speech::DWORD& s) override { return s = speed, speech::S_OK; }
    speech::HRESULT SpeedSet(speech::DWORD s) override {
        return speed = std::clamp<speech::DWORD>(s, 60, 500), speech::S_OK;
    }
    speech::HRESULT VolumeGet(speech::DWORD& v) override { return v = volume, speech::S_OK; }
    speech::HRESULT VolumeSet(speech::DWORD v) override { return volume = v, speech::S_OK; }
    speech::HRESULT AboutDlg(speech::HWND, const char*) override;
    speech::HRESULT GeneralDlg(speech::HWND, const char*) override;
    speech::HRESULT LexiconDlg(speech::HWND, const char*) override;
    speech::HRESULT TranslateDlg(speech::HWND, const char*) override;
};

// What a test does with the engine it has scripted. Notifications reach the component
// through the event loop, as they would from the engine's thread.
std::shared_ptr<Central> Last(); // the engine object the component bound last
void Pump();
void EngineStarts();
void EngineStops();
int TextsSpoken();
QString LastSpoken();
QString LastFile(); // empty when no file was written

} // namespace scripted
