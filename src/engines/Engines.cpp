#include "Engines.h"

#include "AudioDestDevice.h"
#include "AudioDestFile.h"
#include "EspeakEngine.h"

#include <cstdio>
#include <cstdlib>

namespace engines {

using namespace speech;

void RegisterEngines() {
    SpeechPlatform::RegisterClass(CLSID_TTSEnumerator, CreateEspeakEnum);
    SpeechPlatform::RegisterClass(CLSID_AudioDestFile, [](std::shared_ptr<IUnknown>& out) {
        out = std::make_shared<AudioDestFile>();
        return S_OK;
    });
    SpeechPlatform::RegisterClass(CLSID_MMAudioDest, [](std::shared_ptr<IUnknown>& out) {
        out = std::make_shared<AudioDestDevice>();
        return S_OK;
    });
}

void ExitProgram(int code) {
    ShutdownAudio();
    std::fflush(nullptr);
    std::_Exit(code);
}

} // namespace engines
