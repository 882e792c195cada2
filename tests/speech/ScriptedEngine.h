// A small engine for the tests of the speech component: its modes, its refusals and its
// notifications are set by the test, and it records every call it receives.
#pragma once

#include "SpeechApi.h"

#include <map>
#include <string>
#include <vector>

namespace scripted {

using namespace speech;

struct Script {
    std::vector<std::string> modeNames;
    bool failEnumerator = false;  // the enumerator cannot be created
    int failNextAfter = -1;       // Next fails after this many records (-1: never)
    bool failDestination = false; // destinations cannot be created
    bool failSelect = false;
    bool failAttributes = false; // the central does not offer attributes
    bool failDialogs = false;
    bool refuseExtendedSink = false;
    bool refuseBasicSink = false;
    bool failFileSet = false;
    HRESULT textDataResult = S_OK;
    HRESULT pauseResult = S_OK;
    HRESULT dialogResult = S_OK;
};

struct Central;

// What the engine saw, for the test to read.
struct Log {
    std::vector<std::string> calls; // "Select 1", "Register ext", "TextData 12", ...
    std::vector<std::string> texts;
    std::vector<DWORD> lengths;
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

struct Central : ITTSCentralA,
                 ITTSAttributesA,
                 ITTSDialogsA,
                 std::enable_shared_from_this<Central> {
    int modeIndex = -1;
    std::shared_ptr<ITTSNotifySinkA> sink;
    std::shared_ptr<ITTSNotifySink2A> sink2;
    std::shared_ptr<ITTSBufNotifySink> bufSink;
    WORD pitch = 100;
    DWORD speed = 150, realTime = 50, volume = 0xFFFFFFFF;

    HRESULT QueryInterface(const GUID& iid, std::shared_ptr<void>& out) override;
    HRESULT Register(const std::shared_ptr<IUnknown>& s, const GUID& iid, DWORD& key) override;
    HRESULT UnRegister(DWORD key) override;
    HRESULT TextData(DWORD, DWORD flags, const char* text, DWORD length,
                     const std::shared_ptr<IUnknown>& buf, const GUID&) override;
    HRESULT Inject(const char* tag) override;
    HRESULT AudioPause() override;
    HRESULT AudioResume() override;
    HRESULT AudioReset() override;
    // Ranges: pitch 50..400, speed 60..500, real time 1..1000.
    HRESULT PitchGet(WORD& p) override { return p = pitch, S_OK; }
    HRESULT PitchSet(WORD p) override { return pitch = std::clamp<WORD>(p, 50, 400), S_OK; }
    HRESULT RealTimeGet(DWORD& r) override { return r = realTime, S_OK; }
    HRESULT RealTimeSet(DWORD r) override { return realTime = std::clamp<DWORD>(r, 1, 1000), S_OK; }
    HRESULT SpeedGet(DWORD& s) override { return s = speed, S_OK; }
    HRESULT SpeedSet(DWORD s) override { return speed = std::clamp<DWORD>(s, 60, 500), S_OK; }
    HRESULT VolumeGet(DWORD& v) override { return v = volume, S_OK; }
    HRESULT VolumeSet(DWORD v) override { return volume = v, S_OK; }
    HRESULT AboutDlg(HWND, const char*) override;
    HRESULT GeneralDlg(HWND, const char*) override;
    HRESULT LexiconDlg(HWND, const char*) override;
    HRESULT TranslateDlg(HWND, const char*) override;
};

} // namespace scripted
