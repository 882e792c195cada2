// SPDX-License-Identifier: GPL-3.0-or-later
#include "Engines.h"

#include "AudioDestDevice.h"
#include "AudioDestFile.h"
#include "EngineFamily.h"
#include "EspeakEngine.h"
#include "FliteEngine.h"
#include "SpeechdEngine.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace engines {

using namespace speech;

namespace {

// espeak-ng, the first family: its first voice is engine 0.
class EspeakFamily : public TEngineFamily {
public:
    std::string Name() const override { return "eSpeak NG"; }
    std::string Id() const override { return "espeak-ng"; }
    std::optional<TTSMODEINFOA> FirstMode() override {
        if (auto first = EspeakFirstMode())
            return first->Info;
        return std::nullopt;
    }
    std::vector<TTSMODEINFOA> Modes() override {
        std::vector<TTSMODEINFOA> out;
        for (const EspeakMode& m : EspeakModes())
            out.push_back(m.Info);
        return out;
    }
    HRESULT Select(const TTSMODEINFOA& mode, std::shared_ptr<ITTSCentralA>& central,
                   const std::shared_ptr<IUnknown>& destination) override {
        if (!FEnum) {
            std::shared_ptr<IUnknown> e;
            CreateEspeakEnum(e);
            if (Failed(speech::QueryInterface(e, FEnum)))
                return E_FAIL;
        }
        return FEnum->Select(mode.gModeID, central, destination);
    }
    std::string Problem() override {
        //: why the voices of espeak-ng are missing, after "eSpeak NG: "
        return EspeakFirstMode()
                   ? std::string()
                   : QCoreApplication::translate(
                         "EspeakFamily", "no voice is installed (Debian's espeak-ng-data has them)")
                         .toStdString();
    }

private:
    std::shared_ptr<ITTSEnumA> FEnum; // lists its voices once, when a later one is selected
};

// Every family, or those NURVA_ENGINES names (separated by commas), in this order.
TEngineFamilies& Families() {
    static TEngineFamilies families = [] {
        TEngineFamilies all = {std::make_shared<EspeakFamily>(), CreateFliteFamily(),
                               CreateSpeechdFamily()};
        QStringList wanted;
        for (const QString& id : qEnvironmentVariable("NURVA_ENGINES").split(u','))
            if (!id.trimmed().isEmpty())
                wanted << id.trimmed();
        if (wanted.isEmpty())
            return all;
        TEngineFamilies chosen;
        for (const auto& f : all)
            if (wanted.contains(QString::fromStdString(f->Id()), Qt::CaseInsensitive))
                chosen.push_back(f);
        return chosen;
    }();
    return families;
}

} // namespace

void RegisterEngines() {
    SpeechPlatform::RegisterClass(CLSID_TTSEnumerator, [](std::shared_ptr<IUnknown>& out) {
        return CreateVoicesEnum(Families(), out);
    });
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
