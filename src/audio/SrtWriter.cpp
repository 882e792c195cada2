// SPDX-License-Identifier: GPL-3.0-or-later
// SubRip: numbered cues, times with a comma before the milliseconds.
#include "Subtitles.h"

namespace audio {

namespace {

class TSrtWriter final : public TSubtitleWriter {
public:
    QString Extension() const override { return SubtitleExtension(TSubtitleFormat::Srt); }
    QByteArray Cue(int number, const TCue& cue) override {
        return QStringLiteral("%1\n%2 --> %3\n%4\n\n")
            .arg(number)
            .arg(ClockTime(cue.Start, u','), ClockTime(cue.End, u','), cue.Text)
            .toUtf8();
    }
};

} // namespace

std::unique_ptr<TSubtitleWriter> MakeSrtWriter() {
    return std::make_unique<TSrtWriter>();
}

} // namespace audio
