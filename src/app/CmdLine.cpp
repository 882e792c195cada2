// SPDX-License-Identifier: GPL-3.0-or-later
#include "CmdLine.h"

#include "Chapters.h"
#include "Conversion.h"
#include "DesktopNotice.h"
#include "Document.h"
#include "Importer.h"
#include "IniFile.h"
#include "KoUtils.h"
#include "Lame.h"
#include "Lexicon.h"
#include "Mp3Pipeline.h"
#include "Product.h"
#include "VoiceSwitch.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QTemporaryFile>

#include <algorithm>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

#ifndef NURVA_VERSION
#define NURVA_VERSION "0.0"
#endif

using namespace speech;

using namespace cmdline;

namespace {

using KoUtils::ChangeFileExt;
using KoUtils::ExtractFileExt;

enum class TFileKind { Missing, Regular, Other };

// What a name on the command line leads to; names keep every byte (KoUtils::DecodeFileName).
TFileKind KindOf(const QString& path) {
    struct stat st {};
    if (path.isEmpty() || ::stat(KoUtils::EncodeFileName(path).constData(), &st) != 0)
        return TFileKind::Missing;
    return S_ISREG(st.st_mode) ? TFileKind::Regular : TFileKind::Other;
}

bool IsFile(const QString& path) {
    return KindOf(path) == TFileKind::Regular;
}

} // namespace

TKoCmdLine::TKoCmdLine(const QStringList& arguments) : FArgs(arguments) {}

QStringList TKoCmdLine::Documents(const QStringList& arguments) {
    // Text as the desktop sees it (by name and content), and the documents the importers
    // read: what "Open With" offers the program for. Sound files and other programs' files are
    // no documents.
    auto isText = [](const QString& path) {
        return IsFile(path) &&
               (QMimeDatabase().mimeTypeForFile(path).inherits(QStringLiteral("text/plain")) ||
                documents::IsImported(path));
    };
    if (arguments.size() < 2 || IsJob(arguments[1]) || !isText(arguments[1]))
        return {};
    QStringList documents;
    for (const QString& argument : arguments.mid(1))
        if (isText(argument))
            documents << QFileInfo(argument).absoluteFilePath();
    return documents;
}

TKoCmdLine::~TKoCmdLine() = default;

QString TKoCmdLine::Arg(int i) const {
    return FArgs.value(i);
}

QString TKoCmdLine::FileArg(int i) const {
    return cmdline::FileArg(FArgs, i);
}

bool TKoCmdLine::CheckInput(const QString& name) {
    switch (KindOf(name)) {
    case TFileKind::Regular:
        return true;
    case TFileKind::Missing:
        Fail(name.isEmpty() ? tr("No input file was given.")
                            : tr("The file %1 does not exist.").arg(name));
        return false;
    case TFileKind::Other:
        Fail(tr("%1 is not a regular file (a folder, a device or a pipe); nothing was "
                "converted.")
                 .arg(name));
        return false;
    }
    return false;
}

bool TKoCmdLine::CheckOutputs(const QString& input, const QStringList& outputs) {
    for (const QString& output : outputs) {
        if (KoUtils::SameFile(input, output)) {
            Fail(tr("The output %1 is the input file itself; nothing was converted "
                    "and the file is left as it was.")
                     .arg(output));
            return false;
        }
    }
    return true;
}

QStringList TKoCmdLine::MoreFiles() const {
    QStringList files;
    for (int i = 3; i < FArgs.size(); ++i) {
        if (IsSwitch(FArgs[i])) {
            ++i; // and its value
            continue;
        }
        files << FileArg(i);
    }
    return files;
}

std::shared_ptr<settings::TDocumentReader> TKoCmdLine::OpenDocument(const QString& name) {
    // Each file passed over is named at the end, not only the first.
    const QString before = std::exchange(FError, QString());
    std::shared_ptr<settings::TDocumentReader> reader;
    if (CheckInput(name)) {
        try {
            reader = std::make_shared<settings::TDocumentReader>(name);
        } catch (const settings::EFileError& e) {
            //: %1 is the file's name, %2 why it cannot be loaded
            Fail(tr("Can't load the file %1: %2").arg(name, e.Message()));
        }
    }
    if (!before.isEmpty())
        FError = FError.isEmpty() ? before : before + QLatin1Char('\n') + FError;
    return reader;
}

void TKoCmdLine::Fail(const QString& message) {
    if (FError.isEmpty())
        FError = message;
}

int TKoCmdLine::Execute() {
    try {
        Switches = ParseSwitches(FArgs);
        const QString job = Arg(1).toLower();
        if (job == QLatin1String("/e"))
            ListOrReport();
        else if (job == QLatin1String("/tts"))
            RunSpeech(soGeneral);
        else if (job == QLatin1String("/ttw"))
            SpeakToFile(false);
        else if (job == QLatin1String("/ttm"))
            SpeakToFile(true);
        else if (job == QLatin1String("--piece"))
            RunSpeech(soFile); // a piece of a conversion, spoken by a worker into its pipe
        else if (job == QLatin1String("/wtm"))
            ConvertFile(true);
        else if (job == QLatin1String("/mtw"))
            ConvertFile(false);
        else if (job == QLatin1String("--help") || job == QLatin1String("-h") ||
                 job == QLatin1String("/?"))
            KoUtils::ShowMessageBox(UsageText(), KoUtils::MB_ICONINFORMATION);
        else if (job == QLatin1String("--version"))
            KoUtils::ShowMessageBox(QStringLiteral("nurva " NURVA_VERSION),
                                    KoUtils::MB_ICONINFORMATION);
        else {
            // Not a job: the usage goes to standard error, and the exit code tells a script it
            // asked for nothing known. The manual opens only where nobody reads that: a start
            // from the desktop (never a text browser in a terminal or a script).
            if (StartedFromDesktop())
                KoUtils::ShellOpen(KoUtils::Folders().Manual());
            KoUtils::ShowMessageBox(UsageText(), KoUtils::MB_ICONERROR);
            return 2;
        }
    } catch (const std::exception& e) {
        Fail(QString::fromUtf8(e.what()));
    }
    if (FError.isEmpty())
        return 0;
    KoUtils::ShowMessageBox(FError, KoUtils::MB_ICONERROR);
    // Started from the file manager, the job has no terminal to say it in.
    if (Arg(1).toLower() != QLatin1String("--piece") && StartedFromDesktop())
        //: %1 is the program's name, %2 the job: "speak", "convert FILE" or "do JOB"
        ShowDesktopNotice(tr("%1 could not %2").arg(KoUtils::ApplicationTitle(), JobText()),
                          FError);
    return FUsage ? 2 : 1;
}

QString TKoCmdLine::JobText() const {
    const QString job = Arg(1).toLower();
    if (job == QLatin1String("/tts"))
        //: what the program could not do, in "Nurva could not speak"
        return tr("speak");
    if (QStringList{"/ttw", "/ttm", "/wtm", "/mtw"}.contains(job))
        //: what the program could not do, in "Nurva could not convert FILE"; %1 is the file
        return tr("convert %1").arg(QFileInfo(Arg(2)).fileName());
    //: what the program could not do, in "Nurva could not do JOB"; %1 is the job ("/xyz")
    return tr("do %1").arg(Arg(1));
}

void TKoCmdLine::Refuse(const QString& message) {
    if (FError.isEmpty())
        FUsage = true;
    Fail(message);
}

QString TKoCmdLine::VoiceArg(TMSpeech& s) {
    if (const std::optional<QString>& v = Switches.More[mVoice]) {
        QString error;
        const int n = VoiceNumber(s, *v, error);
        if (n < 0)
            Refuse(error);
        return n > 0 ? s.EngineName(n) : QString();
    }
    // Only a voice other than the first needs the list of all voices; a name finds its voice.
    const QString value = Switches.Values[swEngine].trimmed();
    qint64 n = 0;
    if (ToInt(value, n))
        return n > 0 ? s.EngineName(int(n)) : QString();
    return value;
}

TMSpeech& TKoCmdLine::CreateSpeech() {
    if (!Speech)
        Speech = std::make_unique<TMSpeech>();
    return *Speech;
}

void TKoCmdLine::ListOrReport() {
    TMSpeech& s = CreateSpeech();
    QString text;
    if (!Switches.Given[swEngine]) {
        const QStringList& engines = s.Engines();
        text = tr("All speech engines installed on your system:") + QStringLiteral("\r\n");
        for (int i = 0; i < engines.size(); ++i)
            text += QStringLiteral("\r\n%1. %2").arg(i).arg(engines[i]);
        KoUtils::ShowMessageBox(text, KoUtils::MB_ICONINFORMATION);
        // Engines that offer nothing here say why, beside the list.
        for (const QString& problem : s.EngineProblems())
            std::fprintf(stderr, "%s\n", problem.toLocal8Bit().constData());
        if (engines.isEmpty())
            Fail(tr("No speech engine is installed (install espeak-ng-data)."));
        return;
    }
    TMSpeechEngineInfo info;
    qint64 n = 0;
    bool found = ToInt(Switches.Values[swEngine], n) && n >= 0 &&
                 s.GetEngineInfo(s.EngineName(int(n)), info);
    if (!found) {
        Switches.Values[swEngine] = QStringLiteral("0");
        info = TMSpeechEngineInfo{};
        if (!s.GetEngineInfo(s.EngineName(0), info))
            throw EMSpeechException(tr("No speech engine is installed (install espeak-ng-data)."));
    }
    //: %1 is the voice's number
    text = tr("The info of speech engine No.%1").arg(Switches.Values[swEngine]) +
           QStringLiteral("\r\n\r\n");
    auto line = [&](const QString& label, const QString& value) {
        text += label + value + QStringLiteral("\r\n");
    };
    // The labels of a voice's record, each followed by its value.
    line(tr("Name: "), info.Name);
    line(tr("Language: "), info.Language);
    line(tr("Manufacturer: "), info.Manufacturer);
    line(tr("Product: "), info.Product);
    line(tr("ModeID: "), info.ModeID);
    line(tr("EngineID: "), info.EngineID);
    line(tr("Speaker: "), info.Speaker);
    line(tr("Style: "), info.Style);
    line(tr("Gender: "), info.Gender);
    line(tr("Age: "), QString::number(info.Age));
    line(tr("Features: "), QString::number(info.Features));
    line(tr("Interfaces: "), QString::number(info.Interfaces));
    line(tr("MaxPitch: "), QString::number(info.MaxPitch));
    line(tr("MinPitch: "), QString::number(info.MinPitch));
    line(tr("MaxRealTime: "), QString::number(info.MaxRealTime));
    line(tr("MinRealTime: "), QString::number(info.MinRealTime));
    line(tr("MaxSpeed: "), QString::number(info.MaxSpeed));
    line(tr("MinSpeed: "), QString::number(info.MinSpeed));
    line(tr("MaxVolume: "), QString::number(info.MaxVolume));
    line(tr("MinVolume: "), QString::number(info.MinVolume));
    KoUtils::ShowMessageBox(text, KoUtils::MB_ICONINFORMATION);
}

void TKoCmdLine::RunSpeech(TSpeechOutput output) {
    TMSpeech& s = CreateSpeech();
    s.OnStop = [this](TMSpeech* sender) { SpeechStopped(sender); };
    s.OnError = [this](TMSpeech*, std::int32_t, const QString& message) { Fail(message); };
    s.Output = output;

    const QString name = VoiceArg(s);
    if (!FError.isEmpty())
        return;
    if (output == soFile && !name.isEmpty() && !s.CanWriteFiles(name))
        return Fail(TMSpeech::NoFilesMessage(name));
    bool selected = false;
    if (!name.isEmpty()) {
        try {
            s.SelectEngine(name);
            selected = true;
        } catch (const EMSpeechException&) {
        }
    }
    if (!selected) {
        const QString first = s.EngineName(0);
        if (first.isEmpty())
            throw EMSpeechException(tr("No speech engine is installed (install espeak-ng-data)."));
        s.SelectEngine(first);
    }

    // The text is a file when argument 2 names one; something that is there but is not a
    // file (a folder, /dev/zero, a pipe) is refused rather than spoken as its name.
    QString t = Arg(2);
    if (t.trimmed().isEmpty())
        t = QString::fromLatin1(product::Greeting);
    const bool fromFile = IsFile(t);
    if (!fromFile && KindOf(t) == TFileKind::Other) {
        CheckInput(t);
        return;
    }
    if (fromFile)
        t = FileArg(2);

    if (output == soFile) {
        // A worker's piece: argument 3 is its WAV, whatever its name.
        s.Filename = FileArg(3);
        if (fromFile && !CheckOutputs(t, {s.Filename}))
            return;
        std::shared_ptr<IUnknown> dest;
        s.GetInterface(0, dest);
        std::shared_ptr<IAudioFile> file;
        if (dest && Succeeded(QueryInterface(dest, file)))
            file->RealTimeSet(WritingSpeed(Switches));
        // A worker tells where each word's sound starts, for the subtitles.
        if (const std::optional<QString>& words = Switches.More[mWords]) {
            std::FILE* log = std::fopen(KoUtils::EncodeFileName(*words).constData(), "w");
            if (!log)
                return Fail(tr("The words could not be kept in %1.").arg(*words));
            FWordLog.reset(log);
            s.RecordWordTimes([log](std::uint64_t frame, const QString& word) {
                std::fprintf(log, "%llu\t%s\n", static_cast<unsigned long long>(frame),
                             word.toUtf8().constData());
            });
        }
    }

    // A file is read and spoken in pieces, in any of the window's encodings: memory stays
    // flat in the text's size and the first words do not wait for the whole file.
    std::shared_ptr<settings::TDocumentReader> reader;
    if (fromFile) {
        try {
            reader = std::make_shared<settings::TDocumentReader>(t);
        } catch (const settings::EFileError& e) {
            Fail(tr("Can't load the file %1: %2").arg(t, e.Message()));
            t = QStringLiteral("Can't load the file ") + t; // spoken, as ever
        }
    }
    s.SetText({t});

    qint64 v = 0;
    if (Switches.Given[swSpeed] && ToInt(Switches.Values[swSpeed], v))
        s.SetSpeed(std::uint32_t(v));
    if (Switches.Given[swPitch] && ToInt(Switches.Values[swPitch], v))
        s.SetPitch(std::uint16_t(v & 0xFFFF));

    // Read aloud, the files after the first follow it in the same reading, each opened when
    // its turn comes; one that cannot be read is passed over and reported at the end.
    auto more = std::make_shared<QStringList>();
    if (output == soGeneral && fromFile)
        *more = MoreFiles();
    Busy = true;
    try {
        if (reader || !more->isEmpty())
            s.SpeakPieces([this, reader, more]() mutable -> std::optional<QString> {
                for (;;) {
                    if (reader)
                        if (std::optional<QString> piece = reader->Next())
                            return piece;
                    if (more->isEmpty())
                        return std::nullopt;
                    reader = OpenDocument(more->takeFirst());
                }
            });
        else
            s.Speak();
    } catch (...) {
        Busy = false; // nothing was handed over: no stop will come
        throw;
    }
    QEventLoop loop;
    FLoop = &loop;
    if (Busy)
        loop.exec();
    FLoop = nullptr;
    if (FWordLog && (std::fflush(FWordLog.get()) != 0 || std::ferror(FWordLog.get())))
        Fail(tr("The words could not be kept in %1.").arg(*Switches.More[mWords]));
}

void TKoCmdLine::SpeechStopped(TMSpeech*) {
    Busy = false;
    if (FLoop)
        FLoop->quit();
}

// Standard input into a temporary file, so that it is read as any text file is.
bool TKoCmdLine::ReadStandardInput(QTemporaryFile& file) {
    if (StandardInputClosed) {
        Fail(tr("Standard input is closed: there is no text to speak."));
        return false;
    }
    if (!file.open()) {
        Fail(tr("Standard input could not be kept: %1").arg(file.errorString()));
        return false;
    }
    std::vector<char> buffer(1 << 16);
    qint64 total = 0;
    for (;;) {
        const ssize_t n = ::read(0, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            Fail(tr("Standard input could not be read: %1")
                     .arg(QString::fromLocal8Bit(std::strerror(errno))));
            return false;
        }
        if (n == 0)
            break;
        if (file.write(buffer.data(), n) != n) {
            Fail(tr("Standard input could not be kept: %1").arg(file.errorString()));
            return false;
        }
        total += n;
    }
    if (total == 0 || !file.flush()) {
        Fail(tr("Nothing came on standard input: there is no text to speak."));
        return false;
    }
    return true;
}

audio::TFormat TKoCmdLine::StoredFormat() {
    // The one setting the command line heeds: the format chosen in the options, for a /ttm
    // that names no output.
    settings::TIniFile ini;
    ini.LoadFromFile(KoUtils::Folders().ConfigFile());
    const std::optional<audio::TFormat> f = audio::FormatOfKey(
        ini.ReadString(QStringLiteral("Convert"), QStringLiteral("Format"), QStringLiteral("mp3")));
    return f && *f != audio::TFormat::Wav ? *f : audio::TFormat::Mp3;
}

// Text into an audio file through the speaking workers, one per core when the writing speed
// has no cap: "/ttw" writes WAV, "/ttm" MP3 or the format its output's name asks for.
void TKoCmdLine::SpeakToFile(bool compressed) {
    using audio::TFormat;
    // The text: standard input ("-"), a file, or the words themselves.
    QTemporaryFile piped(QDir::tempPath() + QStringLiteral("/nurva-input-XXXXXX.txt"));
    QString text = Arg(2);
    QString input; // the file the text comes from
    const bool fromStdin = text == QLatin1String("-");
    if (!fromStdin) {
        if (text.trimmed().isEmpty())
            text = QString::fromLatin1(product::Greeting);
        // A folder, a device or a pipe is refused rather than spoken as its name.
        if (KindOf(text) == TFileKind::Other) {
            CheckInput(text);
            return;
        }
        if (IsFile(text))
            input = FileArg(2);
    }

    // The output, argument 3 unless that is a switch; its name says the format.
    const TFileOutput chosen =
        FileOutput(FArgs, compressed, input, compressed ? StoredFormat() : TFormat::Wav);
    if (!chosen.Error.isEmpty())
        return Refuse(chosen.Error);
    const TFormat format = chosen.Format;
    const QString output = chosen.Name;
    if (fromStdin) {
        if (!ReadStandardInput(piped))
            return;
        input = piped.fileName();
    }
    const bool toPipe = output == QLatin1String("-");
    if (!fromStdin && !input.isEmpty() && !CheckOutputs(input, {output}))
        return;

    Lame::TTarget target;
    target.Format = format;
    QString error;
    if (!SubtitlesAsked(Switches, target.Subtitles, error))
        return Refuse(error);
    if (!target.Subtitles.isEmpty() && toPipe)
        return Refuse(tr("Subtitles go beside an output file, and standard output has "
                         "no name."));
    TChapterChoice chapters;
    if (!ChaptersAsked(Switches, chapters, error))
        return Refuse(error);
    const double minutes = chapters.Minutes;
    target.Chapters = chapters.Mode == TChapterChoice::Split   ? Lame::TTarget::Split
                      : chapters.Mode == TChapterChoice::Marks ? Lame::TTarget::Marks
                                                               : Lame::TTarget::Whole;
    if (target.Chapters != Lame::TTarget::Whole && toPipe)
        return Refuse(tr("Chapters need an output file, not standard output."));

    // The voice: by name or language, or by number or name as ever. A voice that writes
    // nothing is refused before any worker starts.
    TMSpeech& s = CreateSpeech();
    const QString voice = VoiceArg(s);
    if (!FError.isEmpty())
        return;
    if (!voice.isEmpty() && !s.CanWriteFiles(voice))
        return Fail(TMSpeech::NoFilesMessage(voice));
    QStringList switches;
    if (!voice.isEmpty())
        switches << QStringLiteral("-e") << voice;
    for (TSwitch sw : {swSpeed, swPitch})
        if (Switches.Given[sw])
            switches << QString::fromLatin1(SwitchNames[sw]) << Switches.Values[sw];
    switches << QStringLiteral("-w") << QString::number(WritingMultiple(Switches));

    // The text as the workers get it: a plain text file read in chunks as they need it (memory
    // stays flat), a document imported whole, or the words of the command line.
    TConversionRequest r;
    QString title = QFileInfo(input).completeBaseName();
    if (fromStdin)
        title.clear();
    documents::TImportedDocument document;
    bool imported = false;
    if (!input.isEmpty()) {
        try {
            if (!fromStdin && documents::IsImported(input)) {
                document = documents::Import(input);
                imported = true;
                r.Text = std::exchange(document.Text, QString());
                if (!document.Title.isEmpty())
                    title = document.Title;
            } else if (target.Chapters != Lame::TTarget::Whole) {
                r.Text = settings::ReadDocument(input).value_or(QString());
            } else {
                r.Reader = std::make_shared<settings::TDocumentReader>(input);
            }
        } catch (const std::exception& e) {
            QString why = QString::fromUtf8(e.what());
            if (fromStdin) // the file it was kept in is no name the user knows
                return Fail(tr("Standard input holds no text that can be read: %1")
                                .arg(why.replace(
                                    input,
                                    //: in place of a file's name, in why the text cannot be read
                                    tr("standard input"))));
            Fail(tr("Can't load the file %1: %2").arg(input, why));
            if (compressed)
                return;
            // As ever, a WAV then says what went wrong.
            r = TConversionRequest();
            r.Text = QStringLiteral("Can't load the file ") + input; // spoken into the WAV
            input.clear();
        }
    } else {
        r.Text = text;
        title = text.simplified().left(60);
    }
    r.Expected = r.Reader ? QFileInfo(input).size() : r.Text.size();

    QStringList outputs{output};
    if (target.Chapters != Lame::TTarget::Whole) {
        const double wpm = Switches.Given[swSpeed] ? Switches.Values[swSpeed].toDouble() : 175;
        QList<chapters::TChapterStart> found;
        if (minutes > 0)
            found = chapters::EveryMinutes(r.Text, minutes, chapters::CharsPerSecond(wpm));
        else
            found = imported ? chapters::FromDocument(document) : chapters::FindHeadings(r.Text);
        document = documents::TImportedDocument();
        if (found.isEmpty())
            //: %1 is "split" or "marks", as the switch takes it
            return Fail(tr("The text has no chapters: no headings such as \"Chapter "
                           "1\" were found. \"-ch %1:30\" cuts it into parts of about "
                           "30 minutes instead.")
                            .arg(target.Chapters == Lame::TTarget::Split ? "split" : "marks"));
        const chapters::TBookFiles book = chapters::PlanBook(target, found, r.Text, title, output);
        outputs = book.Files;
        r.Playlist = book.Playlist;
    }
    for (const QString& out : QStringList(outputs))
        for (audio::TSubtitleFormat f : target.Subtitles)
            outputs << ChangeFileExt(out, audio::SubtitleExtension(f));
    if (!input.isEmpty() && !fromStdin && !CheckOutputs(input, outputs))
        return;

    if (format != TFormat::Wav) {
        target.Tags.Title = title;
        target.Tags.Artist = voice.isEmpty() ? s.EngineName(0) : voice;
        if (target.Chapters == Lame::TTarget::Split)
            target.Tags.Album = title;
    }
    r.Output = output;
    r.WorkerSwitches = switches;
    r.Mp3 = {Switches.Values[swResample], Switches.Values[swBitrate], Switches.Values[swMode],
             Switches.Values[swQuality]};
    if (format == TFormat::Opus || format == TFormat::Vorbis) {
        qint64 kbps = 0;
        if (Switches.Given[swBitrate] && ToInt(Switches.Values[swBitrate], kbps) && kbps > 0)
            target.Kbps = int(kbps);
    }
    r.Target = target;
    r.Parallel = Lame::PipelineCount(WritingSpeed(Switches));
    // The workers' words reach nobody: the lexicon's faults are told here, on standard error
    // when standard output carries the audio.
    if (const QString faults = engines::ReloadLexicon(); !faults.isEmpty()) {
        if (toPipe)
            std::fprintf(stderr, "%s\n", faults.toLocal8Bit().constData());
        else
            KoUtils::ShowMessageBox(faults, KoUtils::MB_ICONWARNING);
    }
    if (const QString error = RunConversion(std::move(r)); !error.isEmpty())
        Fail(error);
}

void TKoCmdLine::ConvertFile(bool toMp3) {
    const QString input = FileArg(2);
    if (!CheckInput(input))
        return;
    const QString output = ConvertOutput(FArgs, toMp3);
    if (!CheckOutputs(input, {output}))
        return;
    auto convert = toMp3 ? Lame::WavToMp3 : Lame::Mp3ToWav;
    Lame::Result r = convert(input, output, Switches.Values[swResample], Switches.Values[swBitrate],
                             Switches.Values[swMode], Switches.Values[swQuality]);
    if (!r.Ok)
        Fail(r.Error);
}

QString TKoCmdLine::UsageText() {
    //: The jobs, switches, their values and file names stay as they are; %1 is the program's
    //: command, %2 where the manual is. Keep the lines under 80 characters.
    return tr("Usage: %1 JOB [TEXT] [OUTPUT] [SWITCHES]\n"
              "\n"
              "Jobs:\n"
              "  /e                 list the installed voices (with -e N: describe voice N)\n"
              "  /tts TEXT          speak TEXT aloud (a file name, or the words themselves)\n"
              "  /tts FILE...       read the files aloud, one after the other\n"
              "  /ttw TEXT [OUT]    speak TEXT into a WAV file\n"
              "  /ttm TEXT [OUT]    speak TEXT into an MP3, Opus (.opus), Vorbis (.ogg) or FLAC\n"
              "                     (.flac) file, as OUT's name says\n"
              "  /wtm IN.wav [OUT]  convert a WAV file to MP3\n"
              "  /mtw IN.mp3 [OUT]  convert an MP3 file to WAV\n"
              "\n"
              "TEXT \"-\" reads standard input; OUT \"-\" writes the WAV (/ttw) or MP3 (/ttm)\n"
              "to standard output. Without OUT the output is the text file's name with .wav or\n"
              "the stored format, else output.wav (output.mp3) in the current folder. An OUT\n"
              "that ends in none of the job's formats is an error.\n"
              "\n"
              "Switches (anywhere, in any letter case):\n"
              "  -e N      voice number (default 0), or the voice's name as /e lists it\n"
              "  -v VOICE  voice by name or language, as espeak-ng takes it (en-gb, fr+f2)\n"
              "  -s WPM    speed in words per minute\n"
              "  -p HZ     pitch in hertz\n"
              "  -w X      writing speed as a multiple of real time (default 8);\n"
              "            -w max (or 256) converts as fast as the engine can, on every core\n"
              "  -r KHZ    MP3 resample frequency (default automatic: the encoder chooses)\n"
              "  -b KBPS   MP3 bit rate (default 128); Opus and Vorbis take it too\n"
              "  -m MODE   MP3 mode letter (default s)\n"
              "  -q Q      MP3 quality 0-9 (default 5)\n"
              "  -sub F    timed subtitles beside the output: srt, vtt or lrc (or a list: "
              "srt,lrc)\n"
              "  -ch split one file per chapter, numbered and tagged, with an .m3u playlist\n"
              "  -ch marks one file with chapter marks; \"split:N\" or \"marks:N\" makes\n"
              "            parts of about N minutes\n"
              "\n"
              "Other forms:\n"
              "  FILE...            open the reader's window with these text files\n"
              "  --action NAME      run a command in the running reader (starting it if the\n"
              "                     command needs one): read-clipboard, read-selection,\n"
              "                     read-aloud, pause-resume, stop, next, previous, show\n"
              "  --help, -h, /?     print this text\n"
              "  --version          print the version\n"
              "\n"
              "Exit codes: 0 done, 1 the job failed, 2 no such job or a wrong argument.\n"
              "The manual is %2; see also the manual page nurva(1).\n")
        .arg(KoUtils::ApplicationTitle().toLower(), KoUtils::Folders().Manual());
}
