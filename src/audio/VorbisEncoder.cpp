// SPDX-License-Identifier: GPL-3.0-or-later
// Ogg Vorbis through libsndfile, which every desktop has for its sound files.
#include "EncoderUnits.h"

#include "KoUtils.h"

#include <QCoreApplication>

#include <sndfile.h>

namespace audio {

namespace {

struct TSndfileApi {
    decltype(&::sf_open) sf_open = nullptr;
    decltype(&::sf_command) sf_command = nullptr;
    decltype(&::sf_writef_short) sf_writef_short = nullptr;
    decltype(&::sf_close) sf_close = nullptr;
    decltype(&::sf_strerror) sf_strerror = nullptr;
    decltype(&::sf_format_check) sf_format_check = nullptr;
    QString Missing;
};

const TSndfileApi& Api() {
    static const TSndfileApi api = [] {
        static TLibrary library("sndfile", 1, "libsndfile1");
        TSndfileApi a;
        NURVA_RESOLVE(library, a, sf_open) && NURVA_RESOLVE(library, a, sf_command) &&
            NURVA_RESOLVE(library, a, sf_writef_short) && NURVA_RESOLVE(library, a, sf_close) &&
            NURVA_RESOLVE(library, a, sf_strerror) && NURVA_RESOLVE(library, a, sf_format_check);
        a.Missing = library.Missing();
        return a;
    }();
    return api;
}

class TVorbisEncoder final : public TEncoder {
public:
    ~TVorbisEncoder() override {
        if (FFile)
            Api().sf_close(FFile);
    }

    bool Open(const QString& path, const TPcmFormat& format, int kbps) override {
        const TSndfileApi& api = Api();
        if (!api.Missing.isEmpty()) {
            FError = api.Missing;
            return false;
        }
        FPath = path;
        SF_INFO info{};
        info.samplerate = format.Rate;
        info.channels = format.Channels;
        info.format = SF_FORMAT_OGG | SF_FORMAT_VORBIS;
        if (!api.sf_format_check(&info)) {
            FError = QCoreApplication::translate("TVorbisEncoder",
                                                 "This libsndfile writes no Ogg Vorbis.");
            return false;
        }
        FFile = api.sf_open(KoUtils::EncodeFileName(path).constData(), SFM_WRITE, &info);
        if (!FFile)
            return Failed();
        if (kbps > 0) {
            // libsndfile takes a quality from 0 to 1; about 0.4 is 64 kbit/s for speech.
            double quality = std::clamp(kbps / 160.0, 0.0, 1.0);
            api.sf_command(FFile, SFC_SET_VBR_ENCODING_QUALITY, &quality, sizeof quality);
        }
        return true;
    }

    bool Write(const std::int16_t* samples, std::size_t frames) override {
        return Api().sf_writef_short(FFile, samples, sf_count_t(frames)) == sf_count_t(frames) ||
               Failed();
    }

    bool Close() override {
        const int error = Api().sf_close(std::exchange(FFile, nullptr));
        if (error != 0) {
            FError = QCoreApplication::translate("TVorbisEncoder",
                                                 "The file %1 could not be written: %2")
                         .arg(FPath, QString::fromUtf8(Api().sf_strerror(nullptr)));
            return false;
        }
        return true;
    }

private:
    bool Failed() {
        FError =
            QCoreApplication::translate("TVorbisEncoder", "The file %1 could not be written: %2")
                .arg(FPath, QString::fromUtf8(Api().sf_strerror(FFile)));
        return false;
    }

    SNDFILE* FFile = nullptr;
    QString FPath;
};

} // namespace

std::unique_ptr<TEncoder> MakeVorbisEncoder() {
    return std::make_unique<TVorbisEncoder>();
}

QString VorbisUnavailable() {
    return Api().Missing;
}

} // namespace audio
