// SPDX-License-Identifier: GPL-3.0-or-later
// WebVTT: a heading, then cues with times in full stops; the text is markup, so &, < and >
// are written as entities.
#include "Subtitles.h"

namespace audio {

namespace {

class TVttWriter final : public TSubtitleWriter {
public:
    QString Extension() const override { return SubtitleExtension(TSubtitleFormat::Vtt); }
    QByteArray Begin(const TTags&) override { return "WEBVTT\n\n"; }
    QByteArray Cue(int, const TCue& cue) override {
        QString text = cue.Text;
        text.replace(u'&', QStringLiteral("&amp;"))
            .replace(u'<', QStringLiteral("&lt;"))
            .replace(u'>', QStringLiteral("&gt;"));
        return QStringLiteral("%1 --> %2\n%3\n\n")
            .arg(ClockTime(cue.Start, u'.'), ClockTime(cue.End, u'.'), text)
            .toUtf8();
    }
};

} // namespace

std::unique_ptr<TSubtitleWriter> MakeVttWriter() {
    return std::make_unique<TVttWriter>();
}

} // namespace audio
