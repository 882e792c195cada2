// SPDX-License-Identifier: GPL-3.0-or-later
#include "Subtitles.h"

#include <algorithm>

namespace audio {

namespace {

// A word without the control tags in it ("\Pau=500\" and the like are not said).
QString Spoken(const QString& word) {
    QString out;
    bool inTag = false;
    for (QChar c : word) {
        if (c == u'\\')
            inTag = !inTag;
        else if (!inTag && !c.isSpace())
            out += c;
    }
    return out;
}

bool EndsSentence(const QString& word) {
    qsizetype i = word.size();
    while (i > 0 && QStringView(u"\"')]»”’").contains(word[i - 1]))
        --i;
    return i > 0 && QStringView(u".!?…").contains(word[i - 1]);
}

} // namespace

TCueBuilder::TCueBuilder(std::function<void(const TCue&)> done) : FEmit(std::move(done)) {}

void TCueBuilder::Add(double seconds, const QString& word) {
    const QString w = Spoken(word);
    if (w.isEmpty())
        return;
    if (!FWords.isEmpty() && (FSentenceEnded || FWords.size() + 1 + w.size() > 2 * LineLength ||
                              seconds - FStart > MaxSeconds - Linger))
        Close();
    if (FWords.isEmpty()) {
        Flush(seconds);
        FStart = seconds;
        FWords = w;
    } else {
        FWords += u' ' + w;
    }
    FLast = seconds;
    FSentenceEnded = EndsSentence(w);
}

void TCueBuilder::Close() {
    if (FWords.isEmpty())
        return;
    FPending = TCue{FStart, FLast + Linger, BreakLines(FWords)};
    FWords.clear();
    FSentenceEnded = false;
}

void TCueBuilder::Flush(double nextStart) {
    if (!FPending)
        return;
    FPending->End = std::min(FPending->End, nextStart);
    FEmit(*FPending);
    FPending.reset();
}

void TCueBuilder::Finish(double seconds) {
    Close();
    if (FPending) {
        // The last one ends with the audio.
        FPending->End = std::max(seconds, FPending->Start);
        FEmit(*FPending);
        FPending.reset();
    }
}

QString BreakLines(const QString& text, int length) {
    if (text.size() <= length)
        return text;
    const qsizetype middle = text.size() / 2;
    qsizetype best = -1;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == u' ' && (best < 0 || std::abs(i - middle) < std::abs(best - middle)))
            best = i;
    if (best < 0)
        return text;
    return text.left(best) + u'\n' + text.mid(best + 1);
}

std::unique_ptr<TSubtitleWriter> MakeSubtitleWriter(TSubtitleFormat format) {
    switch (format) {
    case TSubtitleFormat::Srt:
        return MakeSrtWriter();
    case TSubtitleFormat::Vtt:
        return MakeVttWriter();
    case TSubtitleFormat::Lrc:
        return MakeLrcWriter();
    }
    return nullptr;
}

} // namespace audio
