// SPDX-License-Identifier: GPL-3.0-or-later
// The tags of a written file: title, artist (the voice), album (the document of a split book),
// track number and chapter marks; ID3v2 for MP3 (chapters as CHAP frames under one table of
// contents), Vorbis comments for Ogg and FLAC (chapters as CHAPTERnnn and CHAPTERnnnNAME). WAV
// files get none. Written through TagLib once the file is whole, when the chapters' times are
// known.
#pragma once

#include "Encoder.h"

#include <QList>
#include <QString>

namespace audio {

struct TChapterMark {
    double Seconds = 0; // where it starts in the file
    QString Title;
};

struct TTags {
    QString Title, Artist, Album;
    int Track = 0, Tracks = 0; // 0: none
    QList<TChapterMark> Chapters;
    double Seconds = 0; // the file's length: where the last chapter ends

    bool Empty() const {
        return Title.isEmpty() && Artist.isEmpty() && Album.isEmpty() && Track == 0 &&
               Chapters.isEmpty();
    }
};

// Writes `tags` into the file at `path`, written in `format`; false with `error` set, which
// names the file `shownAs` where it is given (the final name of a file written under a
// temporary one).
bool WriteTags(const QString& path, TFormat format, const TTags& tags, QString& error,
               const QString& shownAs = {});

// "HH:MM:SS" + `separator` + "mmm", as chapter comments (with '.') and subtitles write a time.
QString ClockTime(double seconds, QChar separator = u'.');

} // namespace audio
