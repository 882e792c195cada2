// SPDX-License-Identifier: GPL-3.0-or-later
// LRC, the lyrics format of music players: one line per cue, "[mm:ss.xx]" before it; a cue
// that ends before the next begins is followed by an empty timed line, and so is the last.
#include "Subtitles.h"

#include <cmath>
#include <optional>

namespace audio {

namespace {

QString LrcTime(double seconds) {
    const qint64 cs = std::llround(std::max(0.0, seconds) * 100);
    return QStringLiteral("[%1:%2.%3]")
        .arg(cs / 6000, 2, 10, QLatin1Char('0'))
        .arg(cs / 100 % 60, 2, 10, QLatin1Char('0'))
        .arg(cs % 100, 2, 10, QLatin1Char('0'));
}

class TLrcWriter final : public TSubtitleWriter {
public:
    QString Extension() const override { return SubtitleExtension(TSubtitleFormat::Lrc); }
    QByteArray Begin(const TTags& tags) override {
        QString head;
        const std::pair<const char*, const QString&> fields[] = {
            {"ti", tags.Title}, {"ar", tags.Artist}, {"al", tags.Album}};
        for (const auto& [key, value] : fields)
            if (!value.isEmpty())
                head += QStringLiteral("[%1:%2]\n").arg(QLatin1String(key), OneLine(value));
        return head.toUtf8();
    }
    QByteArray Cue(int, const TCue& cue) override {
        const QString line = Gap(cue.Start) + LrcTime(cue.Start) + OneLine(cue.Text) + u'\n';
        FEnd = cue.End;
        return line.toUtf8();
    }
    QByteArray End(double) override {
        return FEnd ? (LrcTime(*FEnd) + u'\n').toUtf8() : QByteArray();
    }

private:
    static QString OneLine(QString text) { return text.replace(u'\n', u' '); }
    QString Gap(double nextStart) {
        if (!FEnd || *FEnd > nextStart - 0.005)
            return {};
        return LrcTime(*std::exchange(FEnd, std::nullopt)) + u'\n';
    }
    std::optional<double> FEnd; // where the last cue ends
};

} // namespace

std::unique_ptr<TSubtitleWriter> MakeLrcWriter() {
    return std::make_unique<TLrcWriter>();
}

} // namespace audio
