// SPDX-License-Identifier: GPL-3.0-or-later
// FLAC through libFLAC: lossless, at its default compression. A padding block after the header
// leaves room for the tags, which are written once the file is whole (Tags.h).
#include "EncoderUnits.h"

#include "KoUtils.h"

#include <QCoreApplication>

#include <FLAC/metadata.h>
#include <FLAC/stream_encoder.h>

#include <vector>

namespace audio {

namespace {

struct TFlacApi {
    decltype(&::FLAC__stream_encoder_new) FLAC__stream_encoder_new = nullptr;
    decltype(&::FLAC__stream_encoder_delete) FLAC__stream_encoder_delete = nullptr;
    decltype(&::FLAC__stream_encoder_set_channels) FLAC__stream_encoder_set_channels = nullptr;
    decltype(&::FLAC__stream_encoder_set_bits_per_sample) FLAC__stream_encoder_set_bits_per_sample =
        nullptr;
    decltype(&::FLAC__stream_encoder_set_sample_rate) FLAC__stream_encoder_set_sample_rate =
        nullptr;
    decltype(&::FLAC__stream_encoder_set_compression_level)
        FLAC__stream_encoder_set_compression_level = nullptr;
    decltype(&::FLAC__stream_encoder_set_metadata) FLAC__stream_encoder_set_metadata = nullptr;
    decltype(&::FLAC__stream_encoder_init_file) FLAC__stream_encoder_init_file = nullptr;
    decltype(&::FLAC__stream_encoder_process_interleaved) FLAC__stream_encoder_process_interleaved =
        nullptr;
    decltype(&::FLAC__stream_encoder_finish) FLAC__stream_encoder_finish = nullptr;
    decltype(&::FLAC__stream_encoder_get_state) FLAC__stream_encoder_get_state = nullptr;
    decltype(&::FLAC__metadata_object_new) FLAC__metadata_object_new = nullptr;
    decltype(&::FLAC__metadata_object_delete) FLAC__metadata_object_delete = nullptr;
    const char* const* States = nullptr;
    QString Missing;
};

const TFlacApi& Api() {
    static const TFlacApi api = [] {
        static TLibrary library("FLAC", 12, "libflac12");
        TFlacApi a;
        NURVA_RESOLVE(library, a, FLAC__stream_encoder_new) &&
            NURVA_RESOLVE(library, a, FLAC__stream_encoder_delete) &&
            NURVA_RESOLVE(library, a, FLAC__stream_encoder_set_channels) &&
            NURVA_RESOLVE(library, a, FLAC__stream_encoder_set_bits_per_sample) &&
            NURVA_RESOLVE(library, a, FLAC__stream_encoder_set_sample_rate) &&
            NURVA_RESOLVE(library, a, FLAC__stream_encoder_set_compression_level) &&
            NURVA_RESOLVE(library, a, FLAC__stream_encoder_set_metadata) &&
            NURVA_RESOLVE(library, a, FLAC__stream_encoder_init_file) &&
            NURVA_RESOLVE(library, a, FLAC__stream_encoder_process_interleaved) &&
            NURVA_RESOLVE(library, a, FLAC__stream_encoder_finish) &&
            NURVA_RESOLVE(library, a, FLAC__stream_encoder_get_state) &&
            NURVA_RESOLVE(library, a, FLAC__metadata_object_new) &&
            NURVA_RESOLVE(library, a, FLAC__metadata_object_delete) &&
            library.Resolve(a.States, "FLAC__StreamEncoderStateString");
        a.Missing = library.Missing();
        return a;
    }();
    return api;
}

constexpr unsigned kPadding = 8192; // bytes kept for the tags

class TFlacEncoder final : public TEncoder {
public:
    ~TFlacEncoder() override {
        const TFlacApi& api = Api();
        if (FEncoder)
            api.FLAC__stream_encoder_delete(FEncoder);
        if (FPadding)
            api.FLAC__metadata_object_delete(FPadding);
    }

    bool Open(const QString& path, const TPcmFormat& format, int) override {
        const TFlacApi& api = Api();
        if (!api.Missing.isEmpty()) {
            FError = api.Missing;
            return false;
        }
        FPath = path;
        FChannels = format.Channels;
        FEncoder = api.FLAC__stream_encoder_new();
        FPadding = api.FLAC__metadata_object_new(FLAC__METADATA_TYPE_PADDING);
        if (!FEncoder || !FPadding)
            return Failed();
        FPadding->length = kPadding;
        api.FLAC__stream_encoder_set_channels(FEncoder, unsigned(format.Channels));
        api.FLAC__stream_encoder_set_bits_per_sample(FEncoder, 16);
        api.FLAC__stream_encoder_set_sample_rate(FEncoder, unsigned(format.Rate));
        api.FLAC__stream_encoder_set_compression_level(FEncoder, 5);
        api.FLAC__stream_encoder_set_metadata(FEncoder, &FPadding, 1);
        return api.FLAC__stream_encoder_init_file(
                   FEncoder, KoUtils::EncodeFileName(path).constData(), nullptr, nullptr) ==
                   FLAC__STREAM_ENCODER_INIT_STATUS_OK ||
               Failed();
    }

    bool Write(const std::int16_t* samples, std::size_t frames) override {
        const std::size_t n = frames * std::size_t(FChannels);
        FWide.resize(n);
        for (std::size_t i = 0; i < n; ++i)
            FWide[i] = samples[i];
        return Api().FLAC__stream_encoder_process_interleaved(FEncoder, FWide.data(),
                                                              unsigned(frames)) ||
               Failed();
    }

    bool Close() override { return Api().FLAC__stream_encoder_finish(FEncoder) || Failed(); }

private:
    bool Failed() {
        const TFlacApi& api = Api();
        const QString why =
            FEncoder ? QString::fromLatin1(api.States[api.FLAC__stream_encoder_get_state(FEncoder)])
                     //: why the FLAC encoder could not write
                     : QCoreApplication::translate("TFlacEncoder", "out of memory");
        FError =
            QCoreApplication::translate("TFlacEncoder", "The FLAC encoder could not write %1: %2")
                .arg(FPath, why);
        return false;
    }

    FLAC__StreamEncoder* FEncoder = nullptr;
    FLAC__StreamMetadata* FPadding = nullptr;
    std::vector<FLAC__int32> FWide;
    QString FPath;
    int FChannels = 1;
};

} // namespace

std::unique_ptr<TEncoder> MakeFlacEncoder() {
    return std::make_unique<TFlacEncoder>();
}

QString FlacUnavailable() {
    return Api().Missing;
}

} // namespace audio
