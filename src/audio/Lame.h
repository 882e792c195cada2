// The MP3 bridge: converts between WAV and MP3 by running the LAME encoder program.
//
// The encoder is `lame` in the program folder, else on the PATH. Each text is passed to it as
// one argument exactly as received. The resample text "automatic" means: let the encoder
// choose (it has no such value, so the option is left out).
#pragma once

#include <QString>

namespace Lame {

struct Result {
    bool Ok = false;
    QString Error; // why it failed, for the user
};

Result WavToMp3(const QString& input, const QString& output, const QString& resample,
                const QString& bitrate, const QString& mode, const QString& quality);
Result Mp3ToWav(const QString& input, const QString& output, const QString& resample,
                const QString& bitrate, const QString& mode, const QString& quality);

// The encoder program that will be run; empty when there is none.
QString EncoderPath();

} // namespace Lame
