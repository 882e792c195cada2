// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the command line's parse step. The input is the arguments after the program,
// separated by NUL bytes as the system hands them over; the bytes decide nothing else. Every
// argument survives as its very bytes; a switch is given exactly when it stands somewhere, with
// the argument after its last occurrence; and every file a job writes has the job's extension,
// lies in the folder of the name it came from, and can never be taken for an option.
#include "CmdArgs.h"
#include "KoUtils.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace cmdline;

namespace {

void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "fuzz_CmdArgs: %s\n", what);
        std::abort();
    }
}

QString Folder(const QString& path) {
    return path.left(path.lastIndexOf(u'/') + 1);
}

// A name written for a job: what it must be, whatever it came from. (A name that ends in a
// folder is no file's: the converter refuses it as an input.)
void CheckOutput(const QString& output, const QString& from, const QString& ext) {
    Check(!output.startsWith(u'-'), "an output that looks like an option");
    const QString file = from.mid(from.lastIndexOf(u'/') + 1);
    if (file.isEmpty() || file == QLatin1String(".") || file == QLatin1String(".."))
        return;
    Check(KoUtils::ExtractFileExt(output).toLower() == ext, "an output without its extension");
    Check(Folder(output) == Folder(from) || Folder(output) == QStringLiteral("./") + Folder(from),
          "an output in another folder");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QStringList args{QStringLiteral("nurva")};
    QList<QByteArray> raw;
    for (const QByteArray& a :
         QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).split('\0')) {
        raw << a;
        args << KoUtils::DecodeFileName(a);
    }
    for (qsizetype i = 0; i < raw.size(); ++i)
        Check(KoUtils::EncodeFileName(args[i + 1]) == raw[i], "an argument changed its bytes");

    const TSwitches s = ParseSwitches(args);
    for (int j = 0; j < SwitchCount; ++j) {
        qsizetype last = -1;
        for (qsizetype i = 1; i < args.size(); ++i)
            if (args[i].compare(QLatin1String(SwitchNames[j]), Qt::CaseInsensitive) == 0)
                last = i;
        Check(s.Given[j] == (last >= 0), "a switch given or not given wrongly");
        Check(s.Values[j] ==
                  (last < 0 ? QString::fromLatin1(SwitchDefaults[j]) : args.value(last + 1)),
              "a switch with the wrong value");
    }
    qint64 n = 0;
    if (ToInt(s.Values[swEngine], n))
        Check(n >= INT32_MIN && n <= INT32_MAX, "a number beyond 32 bits");
    const qint64 w = WritingMultiple(s);
    Check(WritingSpeed(s) == quint16(quint32(w * 256) & 0xFFFF), "a writing speed changed");
    if (s.Given[swWriteSpeed] &&
        s.Values[swWriteSpeed].trimmed().compare(QLatin1String("max"), Qt::CaseInsensitive) == 0)
        Check(WritingSpeed(s) == 0, "-w max with a cap");
    for (int j = 0; j < MoreCount; ++j) {
        qsizetype last = -1;
        for (qsizetype i = 1; i < args.size(); ++i)
            if (args[i].compare(QLatin1String(MoreNames[j]), Qt::CaseInsensitive) == 0)
                last = i;
        Check(s.More[j].has_value() == (last >= 0) &&
                  (last < 0 || *s.More[j] == args.value(last + 1)),
              "a further switch given or not given wrongly");
    }
    if (!s.Given[swWriteSpeed])
        Check(w == 8 && WritingSpeed(s) == 2048, "a writing speed without -w");

    Check(IsJob(args.value(1)) == IsJob(args.value(1).toUpper()), "a job in another letter case");
    for (int i = 0; i < 4; ++i) {
        const QString name = FileArg(args, i);
        Check(!name.startsWith(u'-'), "a file name that looks like an option");
        Check(name == args.value(i) || name == QStringLiteral("./") + args.value(i),
              "a file name changed");
    }

    const QString given = KoUtils::ExtractFileExt(args.value(3)).toLower();
    for (bool textIsFile : {false, true})
        for (const QString& ext : {QStringLiteral(".wav"), QStringLiteral(".mp3")}) {
            const QString out = SpeechOutput(args, textIsFile, ext);
            if (given == QLatin1String(".wav") || given == QLatin1String(".mp3"))
                CheckOutput(out, args.value(3), ext);
            else if (textIsFile)
                CheckOutput(out, args.value(2), ext);
            else
                Check(out == QStringLiteral("output") + ext, "not the default output");
        }
    for (bool toMp3 : {false, true}) {
        const QString ext = toMp3 ? QStringLiteral(".mp3") : QStringLiteral(".wav");
        const QString out = ConvertOutput(args, toMp3);
        CheckOutput(out, given == ext ? args.value(3) : args.value(2), ext);
        // The input's own name only when it has the output's extension already: the converter
        // refuses to write over its input.
        if (given != ext && KoUtils::ExtractFileExt(args.value(2)) != ext)
            Check(out != FileArg(args, 2), "an output that is the input");
    }

    // "/ttw" and "/ttm": a name is refused, or it has the extension of the format chosen; a
    // refused one names no file.
    for (bool compressed : {false, true})
        for (const QString& input : {QString(), FileArg(args, 2)}) {
            const TFileOutput out = FileOutput(args, compressed, input, audio::TFormat::Flac);
            if (!out.Error.isEmpty()) {
                Check(out.Name.isEmpty(), "a refused output with a name");
                continue;
            }
            if (out.Name == QLatin1String("-")) {
                Check(out.Format == (compressed ? audio::TFormat::Mp3 : audio::TFormat::Wav),
                      "standard output in a format it cannot take");
                continue;
            }
            Check(!out.Name.startsWith(u'-'), "an output that looks like an option");
            Check(compressed || out.Format == audio::TFormat::Wav, "/ttw writing no WAV");
            Check(audio::FormatOfName(out.Name) == out.Format,
                  "an output without its format's extension");
        }
    QList<audio::TSubtitleFormat> subtitles;
    QString error;
    if (SubtitlesAsked(s, subtitles, error))
        Check(s.More[mSubtitles].has_value() != subtitles.isEmpty(), "subtitles asked wrongly");
    else
        Check(!error.isEmpty() && subtitles.isEmpty(), "a refusal without a reason");
    TChapterChoice chapters;
    if (ChaptersAsked(s, chapters, error))
        Check(s.More[mChapters].has_value() == (chapters.Mode != TChapterChoice::Whole) &&
                  std::isfinite(chapters.Minutes) && chapters.Minutes >= 0,
              "chapters asked wrongly");
    return 0;
}
