// SPDX-License-Identifier: GPL-3.0-or-later
// Ogg Opus through libopusenc, which resamples the engine's rate to Opus's 48 kHz itself.
#include "EncoderUnits.h"

#include "KoUtils.h"

#include <QCoreApplication>

#include <opus/opusenc.h>

namespace audio {

namespace {

struct TOpusApi {
    decltype(&::ope_comments_create) ope_comments_create = nullptr;
    decltype(&::ope_comments_destroy) ope_comments_destroy = nullptr;
    decltype(&::ope_encoder_create_file) ope_encoder_create_file = nullptr;
    decltype(&::ope_encoder_write) ope_encoder_write = nullptr;
    decltype(&::ope_encoder_drain) ope_encoder_drain = nullptr;
    decltype(&::ope_encoder_destroy) ope_encoder_destroy = nullptr;
    decltype(&::ope_encoder_ctl) ope_encoder_ctl = nullptr;
    decltype(&::ope_strerror) ope_strerror = nullptr;
    QString Missing;
};

const TOpusApi& Api() {
    static const TOpusApi api = [] {
        static TLibrary library("opusenc", 0, "libopusenc0");
        TOpusApi a;
        NURVA_RESOLVE(library, a, ope_comments_create) &&
            NURVA_RESOLVE(library, a, ope_comments_destroy) &&
            NURVA_RESOLVE(library, a, ope_encoder_create_file) &&
            NURVA_RESOLVE(library, a, ope_encoder_write) &&
            NURVA_RESOLVE(library, a, ope_encoder_drain) &&
            NURVA_RESOLVE(library, a, ope_encoder_destroy) &&
            NURVA_RESOLVE(library, a, ope_encoder_ctl) && NURVA_RESOLVE(library, a, ope_strerror);
        a.Missing = library.Missing();
        return a;
    }();
    return api;
}

class TOpusEncoder final : public TEncoder {
public:
    ~TOpusEncoder() override {
        if (FEncoder)
            Api().ope_encoder_destroy(FEncoder);
    }

    bool Open(const QString& path, const TPcmFormat& format, int kbps) override {
        const TOpusApi& api = Api();
        if (!api.Missing.isEmpty()) {
            FError = api.Missing;
            return false;
        }
        FPath = path;
        FChannels = format.Channels;
        OggOpusComments* comments = api.ope_comments_create();
        int error = OPE_OK;
        // The tags are written once the file is whole (Tags.h): chapter times are known only then.
        FEncoder = api.ope_encoder_create_file(KoUtils::EncodeFileName(path).constData(), comments,
                                               format.Rate, format.Channels, 0, &error);
        api.ope_comments_destroy(comments);
        if (!FEncoder)
            return Failed(error);
        if (kbps > 0 && (error = api.ope_encoder_ctl(
                             FEncoder, OPUS_SET_BITRATE(opus_int32(kbps) * 1000))) != OPE_OK)
            return Failed(error);
        return true;
    }

    bool Write(const std::int16_t* samples, std::size_t frames) override {
        const int error = Api().ope_encoder_write(FEncoder, samples, int(frames));
        return error == OPE_OK || Failed(error);
    }

    bool Close() override {
        const int error = Api().ope_encoder_drain(FEncoder);
        Api().ope_encoder_destroy(std::exchange(FEncoder, nullptr));
        return error == OPE_OK || Failed(error);
    }

private:
    bool Failed(int error) {
        FError =
            QCoreApplication::translate("TOpusEncoder", "The Opus encoder could not write %1: %2")
                .arg(FPath, QString::fromUtf8(Api().ope_strerror(error)));
        return false;
    }

    OggOpusEnc* FEncoder = nullptr;
    QString FPath;
    int FChannels = 1;
};

} // namespace

std::unique_ptr<TEncoder> MakeOpusEncoder() {
    return std::make_unique<TOpusEncoder>();
}

QString OpusUnavailable() {
    return Api().Missing;
}

} // namespace audio
