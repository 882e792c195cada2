// SPDX-License-Identifier: GPL-3.0-or-later
#include "Chapters.h"

#include "KoUtils.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace chapters {

namespace {

// The paragraphs of a text: where each starts and how long it is, blank lines between them.
struct TParagraph {
    qsizetype Start = 0, Length = 0;
    int Lines = 0;
};

QList<TParagraph> Paragraphs(const QString& text) {
    QList<TParagraph> out;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        // Skip blank lines.
        qsizetype lineStart = i;
        while (i < n) {
            qsizetype e = text.indexOf(u'\n', i);
            if (e < 0)
                e = n;
            if (!QStringView(text).sliced(i, e - i).trimmed().isEmpty())
                break;
            i = e + 1;
            lineStart = i;
        }
        if (i >= n)
            break;
        TParagraph p;
        p.Start = lineStart;
        while (i < n) {
            qsizetype e = text.indexOf(u'\n', i);
            if (e < 0)
                e = n;
            if (QStringView(text).sliced(i, e - i).trimmed().isEmpty())
                break;
            ++p.Lines;
            i = e + 1;
        }
        p.Length = std::min(i, n) - p.Start;
        out << p;
    }
    return out;
}

QString Trimmed(const QString& text, const TParagraph& p) {
    return text.mid(p.Start, p.Length).simplified();
}

} // namespace

QList<TChapterStart> FindHeadings(const QString& text) {
    static const QRegularExpression named(
        QStringLiteral("^(chapter|part|book|section|prologue|epilogue|kapitel|chapitre|"
                       "cap[ií]tulo|capitolo|hoofdstuk|rozdzia[lł])\\b(\\s+([0-9]+|[ivxlcdm]+|"
                       "one|two|three|four|five|six|seven|eight|nine|ten|[a-z]+teen|twenty|"
                       "thirty|forty|fifty)\\b)?"),
        QRegularExpression::CaseInsensitiveOption);
    const QList<TParagraph> paragraphs = Paragraphs(text);
    QList<TChapterStart> byName, alone;
    for (const TParagraph& p : paragraphs) {
        if (p.Lines != 1 || p.Length > 120)
            continue;
        const QString line = Trimmed(text, p);
        const auto m = named.match(line);
        // "Prologue" and "Epilogue" stand alone; the others need their number.
        if (m.hasMatch() && (m.capturedLength(2) > 0 || m.captured(1).toLower().endsWith(u'e')))
            byName << TChapterStart{p.Start, line};
        else if (line.size() <= 60 && !QStringView(u".,;:!?…").contains(line.back()) &&
                 line.size() >= 2)
            alone << TChapterStart{p.Start, line};
    }
    if (!byName.isEmpty())
        return byName;
    // Lone short lines are headings only where they stand among longer paragraphs: a text of
    // one-line paragraphs (a poem, a list) has none.
    if (alone.size() < 2 || alone.size() * 4 > paragraphs.size())
        return {};
    return alone;
}

QList<TChapterStart> FromDocument(const documents::TImportedDocument& document) {
    int top = 0;
    for (const documents::TChapter& c : document.Chapters)
        if (top == 0 || c.Level < top)
            top = c.Level;
    QList<TChapterStart> out;
    for (const documents::TChapter& c : document.Chapters)
        if (c.Level == top && c.Position >= 0 && c.Position <= document.Text.size())
            out << TChapterStart{c.Position, c.Title.simplified()};
    return out;
}

QList<TChapterStart> EveryMinutes(const QString& text, double minutes, double charsPerSecond) {
    QList<TChapterStart> out;
    const double every = std::max(1.0, minutes * 60 * charsPerSecond);
    double next = 0;
    for (const TParagraph& p : Paragraphs(text)) {
        if (double(p.Start) < next)
            continue;
        out << TChapterStart{p.Start, QStringLiteral("Part %1").arg(out.size() + 1)};
        next = double(p.Start) + every;
    }
    return out;
}

double CharsPerSecond(double wordsPerMinute) {
    return 16.0 * std::clamp(wordsPerMinute, 50.0, 500.0) / 175;
}

QList<TChapterStart> FromStart(QList<TChapterStart> chapters, const QString& text,
                               const QString& opening) {
    while (!chapters.isEmpty() && QStringView(text)
                                      .sliced(std::min(chapters.last().Position, text.size()))
                                      .trimmed()
                                      .isEmpty())
        chapters.removeLast();
    if (chapters.isEmpty() || chapters.first().Position > 0) {
        const qsizetype first = chapters.isEmpty() ? text.size() : chapters.first().Position;
        if (!QStringView(text).first(first).trimmed().isEmpty() || chapters.isEmpty())
            chapters.prepend({0, opening});
        else
            chapters.first().Position = 0;
    }
    return chapters;
}

QString FileNamePart(const QString& title) {
    QString out;
    for (QChar c : title.simplified()) {
        if (c == u'/' || c == u'\\' || c.category() == QChar::Other_Control || c == u':' ||
            c == u'*' || c == u'?' || c == u'"' || c == u'<' || c == u'>' || c == u'|')
            out += u'_';
        else
            out += c;
    }
    while (out.startsWith(u'.') || out.startsWith(u'-') || out.startsWith(u' '))
        out.remove(0, 1);
    if (out.size() > 60) {
        out.truncate(60);
        if (out.back().isHighSurrogate())
            out.chop(1);
    }
    out = out.trimmed();
    while (out.endsWith(u'.'))
        out.chop(1);
    return out.isEmpty() ? QStringLiteral("Chapter") : out;
}

QString ChapterFileName(const QString& base, int number, int count, const QString& title,
                        const QString& extension) {
    const int digits = std::max(2, int(QString::number(count).size()));
    return QStringLiteral("%1 %2 %3%4")
        .arg(base)
        .arg(number, digits, 10, QLatin1Char('0'))
        .arg(FileNamePart(title), extension);
}

QByteArray Playlist(const QList<Lame::TWrittenFile>& files, const QString& playlist) {
    const QDir folder = QFileInfo(playlist).absoluteDir();
    QByteArray out = "#EXTM3U\n";
    for (const Lame::TWrittenFile& f : files) {
        out += "#EXTINF:" + QByteArray::number(std::lround(f.Seconds)) + ',' +
               f.Title.simplified().toUtf8() + '\n';
        out +=
            KoUtils::EncodeFileName(folder.relativeFilePath(QFileInfo(f.Path).absoluteFilePath())) +
            '\n';
    }
    return out;
}

QString WritePlaylist(const QList<Lame::TWrittenFile>& files, const QString& playlist) {
    Lame::TPartFile part(playlist);
    QFile file(part.Path());
    if (part.Path().isEmpty() || !file.open(QIODevice::WriteOnly) ||
        file.write(Playlist(files, playlist)) < 0 || !file.flush())
        return QCoreApplication::translate("Chapters", "The playlist %1 could not be written.")
            .arg(playlist);
    file.close();
    QString error;
    return part.Commit(error) ? QString() : error;
}

TBookFiles PlanBook(Lame::TTarget& target, const QList<TChapterStart>& found, const QString& text,
                    const QString& title, const QString& output) {
    const QList<TChapterStart> book =
        FromStart(found, text, title.isEmpty() ? QStringLiteral("Opening") : title);
    const bool split = target.Chapters == Lame::TTarget::Split;
    const QString base = output.left(output.size() - KoUtils::ExtractFileExt(output).size());
    TBookFiles out;
    target.Breaks.clear();
    for (int i = 0; i < book.size(); ++i) {
        Lame::TBreak b{book[i].Position, book[i].Title, QString()};
        if (split) {
            b.Output = ChapterFileName(base, i + 1, int(book.size()), b.Title,
                                       audio::ExtensionOf(target.Format));
            out.Files << b.Output;
        }
        target.Breaks << b;
    }
    if (split) {
        out.Playlist = base + QStringLiteral(".m3u");
        out.Files << out.Playlist;
    } else {
        out.Files << output;
    }
    return out;
}

} // namespace chapters
