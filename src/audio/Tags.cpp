// SPDX-License-Identifier: GPL-3.0-or-later
#include "Tags.h"

#include "KoUtils.h"

#include <QCoreApplication>

#include <taglib/chapterframe.h>
#include <taglib/flacfile.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/opusfile.h>
#include <taglib/tableofcontentsframe.h>
#include <taglib/textidentificationframe.h>
#include <taglib/vorbisfile.h>
#include <taglib/xiphcomment.h>

#include <cmath>

namespace audio {

namespace {

TagLib::String Text(const QString& s) {
    return TagLib::String(s.toUtf8().constData(), TagLib::String::UTF8);
}

void SetText(TagLib::ID3v2::Tag* tag, const char* id, const QString& value) {
    tag->removeFrames(id);
    if (value.isEmpty())
        return;
    auto* frame = new TagLib::ID3v2::TextIdentificationFrame(id, TagLib::String::UTF8);
    frame->setText(Text(value));
    tag->addFrame(frame);
}

QString TrackText(const TTags& tags) {
    if (tags.Track <= 0)
        return {};
    return tags.Tracks > 0 ? QStringLiteral("%1/%2").arg(tags.Track).arg(tags.Tracks)
                           : QString::number(tags.Track);
}

bool WriteId3(const QByteArray& name, const TTags& tags) {
    TagLib::MPEG::File file(name.constData(), false);
    if (!file.isValid())
        return false;
    TagLib::ID3v2::Tag* tag = file.ID3v2Tag(true);
    SetText(tag, "TIT2", tags.Title);
    SetText(tag, "TPE1", tags.Artist);
    SetText(tag, "TALB", tags.Album);
    SetText(tag, "TRCK", TrackText(tags));
    tag->removeFrames("CHAP");
    tag->removeFrames("CTOC");
    if (!tags.Chapters.isEmpty()) {
        TagLib::ByteVectorList children;
        for (qsizetype i = 0; i < tags.Chapters.size(); ++i) {
            const TChapterMark& c = tags.Chapters[i];
            const double end = i + 1 < tags.Chapters.size() ? tags.Chapters[i + 1].Seconds
                                                            : std::max(tags.Seconds, c.Seconds);
            const TagLib::ByteVector id(QByteArray("ch" + QByteArray::number(i + 1)).constData());
            auto* title = new TagLib::ID3v2::TextIdentificationFrame("TIT2", TagLib::String::UTF8);
            title->setText(Text(c.Title));
            TagLib::ID3v2::FrameList embedded;
            embedded.append(title);
            // No byte offsets: players go by the times.
            tag->addFrame(new TagLib::ID3v2::ChapterFrame(
                id, unsigned(std::lround(c.Seconds * 1000)), unsigned(std::lround(end * 1000)),
                0xFFFFFFFF, 0xFFFFFFFF, embedded));
            children.append(id);
        }
        auto* toc = new TagLib::ID3v2::TableOfContentsFrame("toc", children);
        toc->setIsTopLevel(true);
        toc->setIsOrdered(true);
        tag->addFrame(toc);
    }
    return file.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripOthers);
}

void FillComment(TagLib::Ogg::XiphComment* c, const TTags& tags) {
    auto set = [c](const char* key, const QString& value) {
        c->removeFields(key);
        if (!value.isEmpty())
            c->addField(key, Text(value));
    };
    set("TITLE", tags.Title);
    set("ARTIST", tags.Artist);
    set("ALBUM", tags.Album);
    set("TRACKNUMBER", tags.Track > 0 ? QString::number(tags.Track) : QString());
    set("TRACKTOTAL", tags.Tracks > 0 ? QString::number(tags.Tracks) : QString());
    for (qsizetype i = 0; i < tags.Chapters.size(); ++i) {
        const QByteArray key = "CHAPTER" + QByteArray::number(i + 1).rightJustified(3, '0');
        set(key.constData(), ClockTime(tags.Chapters[i].Seconds));
        set((key + "NAME").constData(), tags.Chapters[i].Title);
    }
}

template <class File> bool WriteXiph(const QByteArray& name, const TTags& tags) {
    File file(name.constData(), false);
    if (!file.isValid() || !file.tag())
        return false;
    FillComment(file.tag(), tags);
    return file.save();
}

bool WriteFlac(const QByteArray& name, const TTags& tags) {
    TagLib::FLAC::File file(name.constData(), false);
    if (!file.isValid())
        return false;
    FillComment(file.xiphComment(true), tags);
    return file.save();
}

} // namespace

QString ClockTime(double seconds, QChar separator) {
    const qint64 ms = std::llround(std::max(0.0, seconds) * 1000);
    return QStringLiteral("%1:%2:%3%4%5")
        .arg(ms / 3600000, 2, 10, QLatin1Char('0'))
        .arg(ms / 60000 % 60, 2, 10, QLatin1Char('0'))
        .arg(ms / 1000 % 60, 2, 10, QLatin1Char('0'))
        .arg(separator)
        .arg(ms % 1000, 3, 10, QLatin1Char('0'));
}

bool WriteTags(const QString& path, TFormat format, const TTags& tags, QString& error,
               const QString& shownAs) {
    if (tags.Empty() || format == TFormat::Wav)
        return true;
    const QByteArray name = KoUtils::EncodeFileName(path);
    bool ok = false;
    switch (format) {
    case TFormat::Mp3:
        ok = WriteId3(name, tags);
        break;
    case TFormat::Opus:
        ok = WriteXiph<TagLib::Ogg::Opus::File>(name, tags);
        break;
    case TFormat::Vorbis:
        ok = WriteXiph<TagLib::Ogg::Vorbis::File>(name, tags);
        break;
    case TFormat::Flac:
        ok = WriteFlac(name, tags);
        break;
    case TFormat::Wav:
        break;
    }
    if (!ok)
        error = QCoreApplication::translate("Tags", "The tags of %1 could not be written.")
                    .arg(shownAs.isEmpty() ? path : shownAs);
    return ok;
}

} // namespace audio
