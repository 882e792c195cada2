#include "CmdLine.h"

#include "Document.h"
#include "Importer.h"
#include "KoUtils.h"
#include "Lame.h"
#include "Mp3Pipeline.h"
#include "Product.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QSocketNotifier>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#ifndef NURVA_VERSION
#define NURVA_VERSION "0.0"
#endif

using namespace speech;

using namespace cmdline;

namespace {

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

// While it lives, an interruption (Ctrl+C, a hang-up, kill) runs `stop` from the event loop
// instead of ending the process at once: a conversion then ends its workers and leaves no
// unfinished file beside its output.
class TInterruptions {
public:
    explicit TInterruptions(std::function<void()> stop) {
        if (::pipe2(FPipe, O_CLOEXEC | O_NONBLOCK) != 0)
            return;
        FNotifier = std::make_unique<QSocketNotifier>(FPipe[0], QSocketNotifier::Read);
        QObject::connect(FNotifier.get(), &QSocketNotifier::activated, [this, stop] {
            char c;
            while (::read(FPipe[0], &c, 1) > 0) {
            }
            stop();
        });
        struct sigaction action {};
        action.sa_handler = [](int) {
            const char c = 1;
            [[maybe_unused]] ssize_t n = ::write(FPipe[1], &c, 1);
        };
        sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < std::size(kSignals); ++i)
            ::sigaction(kSignals[i], &action, &FOld[i]);
    }
    ~TInterruptions() {
        if (!FNotifier)
            return;
        for (std::size_t i = 0; i < std::size(kSignals); ++i)
            ::sigaction(kSignals[i], &FOld[i], nullptr);
        FNotifier.reset();
        ::close(FPipe[0]);
        ::close(FPipe[1]);
    }
    TInterruptions(const TInterruptions&) = delete;
    TInterruptions& operator=(const TInterruptions&) = delete;

private:
    static constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
    static inline int FPipe[2] = {-1, -1};
    struct sigaction FOld[std::size(kSignals)]{};
    std::unique_ptr<QSocketNotifier> FNotifier;
};

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
        Fail(name.isEmpty() ? QStringLiteral("No input file was given.")
                            : QStringLiteral("The file %1 does not exist.").arg(name));
        return false;
    case TFileKind::Other:
        Fail(QStringLiteral("%1 is not a regular file (a folder, a device or a pipe); nothing was "
                            "converted.")
                 .arg(name));
        return false;
    }
    return false;
}

bool TKoCmdLine::CheckOutputs(const QString& input, const QStringList& outputs) {
    for (const QString& output : outputs) {
        if (KoUtils::SameFile(input, output)) {
            Fail(QStringLiteral("The output %1 is the input file itself; nothing was converted "
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
        const QString arg = FArgs[i].toLower();
        if (std::any_of(SwitchNames.begin(), SwitchNames.end(),
                        [&](const char* name) { return arg == QLatin1String(name); })) {
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
            Fail(QStringLiteral("Can't load the file ") + name + QStringLiteral(": ") +
                 e.Message());
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
            RunSpeech(soFile);
        else if (job == QLatin1String("/ttm"))
            SpeakToMp3();
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
            // Not a job: the manual opens (where a desktop can show it), the usage goes to
            // standard error, and the exit code tells a script it asked for nothing known.
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
    return 1;
}

QString TKoCmdLine::VoiceArg(TMSpeech& s) {
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
        text = QStringLiteral("All speech engines installed on your system:\r\n");
        for (int i = 0; i < engines.size(); ++i)
            text += QStringLiteral("\r\n%1. %2").arg(i).arg(engines[i]);
        KoUtils::ShowMessageBox(text, KoUtils::MB_ICONINFORMATION);
        // Engines that offer nothing here say why, beside the list.
        for (const QString& problem : s.EngineProblems())
            std::fprintf(stderr, "%s\n", problem.toLocal8Bit().constData());
        if (engines.isEmpty())
            Fail(QStringLiteral("No speech engine is installed (install espeak-ng-data)."));
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
            throw EMSpeechException(
                QStringLiteral("No speech engine is installed (install espeak-ng-data)."));
    }
    text = QStringLiteral("The info of speech engine No.") + Switches.Values[swEngine] +
           QStringLiteral("\r\n\r\n");
    auto line = [&](const char* label, const QString& value) {
        text += QLatin1String(label) + value + QStringLiteral("\r\n");
    };
    line("Name: ", info.Name);
    line("Language: ", info.Language);
    line("Manufacturer: ", info.Manufacturer);
    line("Product: ", info.Product);
    line("ModeID: ", info.ModeID);
    line("EngineID: ", info.EngineID);
    line("Speaker: ", info.Speaker);
    line("Style: ", info.Style);
    line("Gender: ", info.Gender);
    line("Age: ", QString::number(info.Age));
    line("Features: ", QString::number(info.Features));
    line("Interfaces: ", QString::number(info.Interfaces));
    line("MaxPitch: ", QString::number(info.MaxPitch));
    line("MinPitch: ", QString::number(info.MinPitch));
    line("MaxRealTime: ", QString::number(info.MaxRealTime));
    line("MinRealTime: ", QString::number(info.MinRealTime));
    line("MaxSpeed: ", QString::number(info.MaxSpeed));
    line("MinSpeed: ", QString::number(info.MinSpeed));
    line("MaxVolume: ", QString::number(info.MaxVolume));
    line("MinVolume: ", QString::number(info.MinVolume));
    KoUtils::ShowMessageBox(text, KoUtils::MB_ICONINFORMATION);
}

void TKoCmdLine::RunSpeech(TSpeechOutput output) {
    TMSpeech& s = CreateSpeech();
    s.OnStop = [this](TMSpeech* sender) { SpeechStopped(sender); };
    s.OnError = [this](TMSpeech*, std::int32_t, const QString& message) { Fail(message); };
    s.Output = output;

    const QString name = VoiceArg(s);
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
            throw EMSpeechException(
                QStringLiteral("No speech engine is installed (install espeak-ng-data)."));
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
        s.Filename = SpeechOutput(FArgs, fromFile, QStringLiteral(".wav"));
        if (fromFile && !CheckOutputs(t, {s.Filename}))
            return;
        // "-w 256" sends 0: no cap, as fast as the engine can.
        std::shared_ptr<IUnknown> dest;
        s.GetInterface(0, dest);
        std::shared_ptr<IAudioFile> file;
        if (dest && Succeeded(QueryInterface(dest, file)))
            file->RealTimeSet(WritingSpeed(Switches));
    }

    // A file is read and spoken in pieces, in any of the window's encodings: memory stays
    // flat in the text's size and the first words do not wait for the whole file.
    std::shared_ptr<settings::TDocumentReader> reader;
    if (fromFile) {
        try {
            reader = std::make_shared<settings::TDocumentReader>(t);
        } catch (const settings::EFileError& e) {
            Fail(QStringLiteral("Can't load the file ") + t + QStringLiteral(": ") + e.Message());
            t = QStringLiteral("Can't load the file ") + t;
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
}

void TKoCmdLine::SpeechStopped(TMSpeech*) {
    Busy = false;
    if (FLoop)
        FLoop->quit();
}

// Text to MP3 with no WAV file in between: the program runs itself as the speaking workers of
// the conversion pipeline, one per core when the writing speed has no cap.
void TKoCmdLine::SpeakToMp3() {
    QString text = Arg(2);
    if (text.trimmed().isEmpty())
        text = QString::fromLatin1(product::Greeting);
    // A folder, a device or a pipe is refused rather than spoken as its name.
    if (KindOf(text) == TFileKind::Other) {
        CheckInput(text);
        return;
    }
    const bool fromFile = IsFile(text);
    if (fromFile)
        text = FileArg(2);
    const QString output = SpeechOutput(FArgs, fromFile, QStringLiteral(".mp3"));
    if (fromFile && !CheckOutputs(text, {output}))
        return;
    // A file is read in chunks as the workers need its pieces: memory stays flat in its size.
    std::shared_ptr<settings::TDocumentReader> reader;
    qint64 expected = text.size();
    if (fromFile) {
        try {
            reader = std::make_shared<settings::TDocumentReader>(text);
        } catch (const settings::EFileError& e) {
            return Fail(QStringLiteral("Can't load the file ") + text + QStringLiteral(": ") +
                        e.Message());
        }
        expected = QFileInfo(text).size();
    }

    // A voice that writes nothing is refused before any worker starts.
    if (Switches.Given[swEngine]) {
        TMSpeech& s = CreateSpeech();
        const QString name = VoiceArg(s);
        if (!name.isEmpty() && !s.CanWriteFiles(name))
            return Fail(TMSpeech::NoFilesMessage(name));
    }
    QStringList switches;
    for (TSwitch sw : {swEngine, swSpeed, swPitch})
        if (Switches.Given[sw])
            switches << QString::fromLatin1(SwitchNames[sw]) << Switches.Values[sw];
    switches << QStringLiteral("-w") << QString::number(WritingMultiple(Switches));
    const int parallel = Lame::PipelineCount(WritingSpeed(Switches));

    Lame::TMp3Pipeline pipeline;
    Lame::Result result;
    bool done = false;
    QEventLoop loop;
    connect(&pipeline, &Lame::TMp3Pipeline::finished, &loop, [&](const Lame::Result& r) {
        result = r;
        done = true;
        loop.quit();
    });
    const Lame::Options options{Switches.Values[swResample], Switches.Values[swBitrate],
                                Switches.Values[swMode], Switches.Values[swQuality]};
    const int count = Lame::PieceCount(expected, parallel);
    const QString worker = QCoreApplication::applicationFilePath();
    if (reader)
        pipeline.Start([reader] { return reader->Next(); }, expected, count, worker, switches,
                       output, options, parallel);
    else
        pipeline.Start(text, count, worker, switches, output, options, parallel);
    text = QString(); // in the workers' files now
    TInterruptions interruptions([&] { pipeline.Cancel(); });
    if (!done)
        loop.exec();
    if (result.Cancelled)
        Fail(QStringLiteral("The conversion was interrupted; no MP3 file was written."));
    else if (!result.Ok)
        Fail(result.Error);
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
    return QStringLiteral(
               "Usage: %1 JOB [TEXT] [OUTPUT] [SWITCHES]\n"
               "\n"
               "Jobs:\n"
               "  /e                 list the installed voices (with -e N: describe voice N)\n"
               "  /tts TEXT          speak TEXT aloud (a file name, or the words themselves)\n"
               "  /tts FILE...       read the files aloud, one after the other\n"
               "  /ttw TEXT [OUT]    speak TEXT into a WAV file\n"
               "  /ttm TEXT [OUT]    speak TEXT into an MP3 file\n"
               "  /wtm IN.wav [OUT]  convert a WAV file to MP3\n"
               "  /mtw IN.mp3 [OUT]  convert an MP3 file to WAV\n"
               "\n"
               "The output is OUT when it ends in .wav or .mp3, else the text file's name with "
               ".wav or\n"
               ".mp3, else output.wav in the current folder.\n"
               "\n"
               "Switches (anywhere, in any letter case):\n"
               "  -e N      voice number (default 0), or the voice's name as /e lists it\n"
               "  -s WPM    speed in words per minute\n"
               "  -p HZ     pitch in hertz\n"
               "  -w X      writing speed as a multiple of real time (default 8);\n"
               "            -w 256 converts as fast as the engine can\n"
               "  -r KHZ    MP3 resample frequency (default automatic: the encoder chooses)\n"
               "  -b KBPS   MP3 bit rate (default 128)\n"
               "  -m MODE   MP3 mode letter (default s)\n"
               "  -q Q      MP3 quality 0-9 (default 5)\n"
               "\n"
               "Other forms:\n"
               "  FILE...            open the reader's window with these text files\n"
               "  --help, -h, /?     print this text\n"
               "  --version          print the version\n"
               "\n"
               "Exit codes: 0 done, 1 the job failed, 2 no such job.\n"
               "The manual is %2; see also the manual page nurva(1).\n")
        .arg(KoUtils::ApplicationTitle().toLower(), KoUtils::Folders().Manual());
}
