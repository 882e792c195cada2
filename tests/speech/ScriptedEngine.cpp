// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptedEngine.h"

#include <QCoreApplication>

#include <algorithm>

namespace scripted {

using namespace speech;

namespace {

Script gScript;
Log gLog;

GUID ModeGuid(int index) {
    GUID g;
    g.Data1 = 0x5C0000u + std::uint32_t(index);
    return g;
}

struct Enum : ITTSEnumA, std::enable_shared_from_this<Enum> {
    std::size_t pos = 0;
    HRESULT QueryInterface(const GUID& iid, std::shared_ptr<void>& out) override {
        return QueryInterfaceOf<Enum, ITTSEnumA>(shared_from_this(), iid, out);
    }
    HRESULT Reset() override {
        pos = 0;
        return S_OK;
    }
    HRESULT Skip(DWORD n) override {
        pos += n;
        return pos <= gScript.modeNames.size() ? S_OK : S_FALSE;
    }
    HRESULT Next(DWORD count, TTSMODEINFOA* records, DWORD& fetched) override {
        fetched = 0;
        while (fetched < count && pos < gScript.modeNames.size()) {
            if (gScript.failNextAfter >= 0 && int(pos) >= gScript.failNextAfter)
                return E_FAIL;
            TTSMODEINFOA& r = records[fetched++];
            r = TTSMODEINFOA{};
            CopyField(r.szModeName, gScript.modeNames[pos]);
            CopyField(r.szMfgName, "Scripted");
            CopyField(r.language.szDialect, "Test English");
            r.gModeID = ModeGuid(int(pos));
            r.wGender = WORD(pos % 4); // 3: an unknown code
            r.wAge = 0xFFFF;
            r.dwFeatures = 0x80000001u;
            if (std::find(gScript.playItself.begin(), gScript.playItself.end(),
                          gScript.modeNames[pos]) != gScript.playItself.end())
                r.dwFeatures |= TTSFEATURE_FIXEDAUDIO;
            ++pos;
        }
        return fetched == count ? S_OK : S_FALSE;
    }
    HRESULT Select(const GUID& modeId, std::shared_ptr<ITTSCentralA>& central,
                   const std::shared_ptr<IUnknown>&) override {
        if (gScript.failSelect)
            return E_FAIL;
        auto c = std::make_shared<Central>();
        c->modeIndex = int(modeId.Data1 - 0x5C0000u);
        gLog.calls.push_back("Select " + std::to_string(c->modeIndex));
        gLog.lastCentral = c;
        gLog.centrals.push_back(c);
        central = c;
        return S_OK;
    }
};

struct FileDest : IAudioFile, std::enable_shared_from_this<FileDest> {
    HRESULT QueryInterface(const GUID& iid, std::shared_ptr<void>& out) override {
        return QueryInterfaceOf<FileDest, IAudioFile>(shared_from_this(), iid, out);
    }
    HRESULT Set(const std::u16string& name, DWORD) override {
        if (gScript.failFileSet)
            return AUDERR_CANTOPENFILE;
        gLog.fileNames.emplace_back(name.begin(), name.end());
        return S_OK;
    }
    HRESULT RealTimeSet(WORD) override { return S_OK; }
    HRESULT Flush() override {
        ++gLog.flushes;
        return S_OK;
    }
};

struct DeviceDest : IAudioMultiMediaDevice, std::enable_shared_from_this<DeviceDest> {
    HRESULT QueryInterface(const GUID& iid, std::shared_ptr<void>& out) override {
        return QueryInterfaceOf<DeviceDest, IAudioMultiMediaDevice>(shared_from_this(), iid, out);
    }
    HRESULT VolumeGet(DWORD& v) override { return v = 0, S_OK; }
    HRESULT VolumeSet(DWORD) override { return S_OK; }
};

} // namespace

Script& CurrentScript() {
    return gScript;
}
Log& CurrentLog() {
    return gLog;
}

void Install() {
    gScript = Script{};
    gLog = Log{};
    SpeechPlatform::UnregisterAll();
    SpeechPlatform::RegisterClass(CLSID_TTSEnumerator, [](std::shared_ptr<IUnknown>& out) {
        if (gScript.failEnumerator)
            return E_FAIL;
        out = std::make_shared<Enum>();
        return S_OK;
    });
    SpeechPlatform::RegisterClass(CLSID_AudioDestFile, [](std::shared_ptr<IUnknown>& out) {
        if (gScript.failDestination)
            return E_FAIL;
        out = std::make_shared<FileDest>();
        return S_OK;
    });
    SpeechPlatform::RegisterClass(CLSID_MMAudioDest, [](std::shared_ptr<IUnknown>& out) {
        if (gScript.failDestination)
            return E_FAIL;
        out = std::make_shared<DeviceDest>();
        return S_OK;
    });
}

HRESULT Central::QueryInterface(const GUID& iid, std::shared_ptr<void>& out) {
    if ((iid == IID_ITTSAttributesA && gScript.failAttributes) ||
        (iid == IID_ITTSDialogsA && gScript.failDialogs))
        return E_NOINTERFACE;
    return QueryInterfaceOf<Central, ITTSCentralA, ITTSAttributesA, ITTSDialogsA>(
        shared_from_this(), iid, out);
}

HRESULT Central::Register(const std::shared_ptr<IUnknown>& s, const GUID& iid, DWORD& key) {
    if (iid == IID_ITTSNotifySink2A) {
        gLog.calls.push_back("Register ext");
        if (gScript.refuseExtendedSink)
            return E_NOINTERFACE;
        if (Failed(speech::QueryInterface(s, sink2)))
            return E_NOINTERFACE;
        sink = sink2;
    } else {
        gLog.calls.push_back("Register basic");
        if (gScript.refuseBasicSink || Failed(speech::QueryInterface(s, sink)))
            return E_NOINTERFACE;
    }
    key = 7;
    return S_OK;
}

HRESULT Central::UnRegister(DWORD key) {
    gLog.calls.push_back("UnRegister " + std::to_string(key));
    return S_OK;
}

HRESULT Central::TextData(DWORD, DWORD flags, const char* text, DWORD length,
                          const std::shared_ptr<IUnknown>& buf, const GUID&) {
    gLog.calls.push_back("TextData flags " + std::to_string(flags));
    if (gScript.textDataResult != S_OK)
        return gScript.textDataResult;
    gLog.texts.emplace_back(text);
    gLog.lengths.push_back(length);
    speech::QueryInterface(buf, bufSink);
    return S_OK;
}

HRESULT Central::Inject(const char* tag) {
    gLog.injected.emplace_back(tag);
    return S_OK;
}

HRESULT Central::AudioPause() {
    gLog.calls.push_back("AudioPause");
    return gScript.pauseResult;
}
HRESULT Central::AudioResume() {
    gLog.calls.push_back("AudioResume");
    return S_OK;
}
HRESULT Central::AudioReset() {
    gLog.calls.push_back("AudioReset");
    return S_OK;
}
HRESULT Central::AboutDlg(HWND, const char*) {
    return gScript.dialogResult;
}
HRESULT Central::GeneralDlg(HWND, const char*) {
    return gScript.dialogResult;
}
HRESULT Central::LexiconDlg(HWND, const char* title) {
    gLog.calls.push_back(std::string("LexiconDlg ") + (title ? title : "null"));
    return gScript.dialogResult;
}
HRESULT Central::TranslateDlg(HWND, const char*) {
    return gScript.dialogResult;
}

std::shared_ptr<Central> Last() {
    return CurrentLog().lastCentral.lock();
}

void Pump() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

void EngineStarts() {
    Last()->sink->AudioStart(0);
    Pump();
}

void EngineStops() {
    Last()->sink->AudioStop(0);
    Pump();
}

int TextsSpoken() {
    return int(CurrentLog().texts.size());
}

QString LastSpoken() {
    return QString::fromStdString(CurrentLog().texts.back());
}

QString LastFile() {
    return CurrentLog().fileNames.empty() ? QString()
                                          : QString::fromStdString(CurrentLog().fileNames.back());
}

} // namespace scripted
