// SPDX-License-Identifier: GPL-3.0-or-later
#include "EngineHarness.h"

#include <QThread>

namespace testsupport {

using namespace speech;

bool Binding::Bind(int index, const GUID& clsid) {
    std::shared_ptr<ITTSEnumA> e;
    if (Failed(SpeechPlatform::CreateInstance(CLSID_TTSEnumerator, e)))
        return false;
    TTSMODEINFOA info;
    DWORD fetched = 0;
    e->Reset();
    e->Skip(DWORD(index));
    if (Failed(e->Next(1, &info, fetched)) || fetched != 1)
        return false;
    if (Failed(SpeechPlatform::CreateInstance(clsid, destination)))
        return false;
    if (Failed(e->Select(info.gModeID, central, destination)))
        return false;
    std::shared_ptr<IUnknown> c = central;
    if (Failed(QueryInterface(c, attributes)))
        return false;
    DWORD key = 0;
    std::shared_ptr<IUnknown> sink = std::static_pointer_cast<ITTSNotifySink2A>(recorder);
    return Succeeded(central->Register(sink, IID_ITTSNotifySink2A, key));
}

HRESULT Binding::Speak(const std::string& text) {
    recorder->clock.restart();
    std::shared_ptr<IUnknown> buf = std::static_pointer_cast<ITTSBufNotifySink>(recorder);
    return central->TextData(CHARSET_TEXT, TTSDATAFLAG_TAGGED, text.c_str(), DWORD(text.size() + 1),
                             buf, IID_ITTSBufNotifySink);
}

bool Binding::WaitStop(int timeoutMs) {
    QElapsedTimer t;
    t.start();
    while (recorder->stops == 0) {
        if (t.elapsed() > timeoutMs)
            return false;
        QThread::msleep(2);
    }
    return true;
}

Wav Binding::SpeakToWav(const std::string& text, const QString& path, WORD pace) {
    if (!central && !Bind(0, CLSID_AudioDestFile))
        return {};
    std::shared_ptr<IAudioFile> file;
    QueryInterface(destination, file);
    if (!file || Failed(file->Set(path.toStdU16String(), 1)))
        return {};
    file->RealTimeSet(pace);
    recorder->stops = 0;
    if (Failed(Speak(text)) || !WaitStop(60000))
        return {};
    file->Flush();
    return ReadWav(path);
}

} // namespace testsupport
