// SPDX-License-Identifier: GPL-3.0-or-later
// Flite and speech-dispatcher reading aloud for real: a private sound server, a private
// speech-dispatcher started the way its clients start it, and the test listening to the
// server's monitor. One section per engine.
#include "AudioMonitor.h"
#include "EngineHarness.h"
#include "Engines.h"
#include "SpeechdEngine.h"
#include "TestSupport.h"
#include "mSpeech.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

using namespace speech;
using namespace testsupport;

namespace {
const QString kText = "Every morning the baker opens the shop at six, and the smell of fresh "
                      "bread fills the whole street.";
const QString kMore = "In the evening the street is quiet again.";
const QString kServiceVoice = "espeak-ng: English (America)";
// How soon a pause or a stop is silent: what the service has handed to the sound server.
constexpr int kQuietAfterMs = 300;
constexpr std::uint32_t kFast = 300; // words per minute: the reading cases take less time
} // namespace

class TestVoicesAloud : public QObject {
    Q_OBJECT

    PulseTestServer FServer;
    MonitorRecorder FMonitor;
    QTemporaryDir FDir{QDir::tempPath() + "/nurva-voices-XXXXXX"};
    QString FSpeechd;

    // The component as the window has it, counting its events.
    struct Component {
        TMSpeech speech;
        int starts = 0, stops = 0;
        std::vector<std::uint32_t> words;
        Component() {
            speech.OnStart = [this](TMSpeech*) { ++starts; };
            speech.OnStop = [this](TMSpeech* s) {
                if (!s->Paused)
                    ++stops;
            };
            speech.Output = soGeneral;
        }
        // Binds `voice` at a brisk pace.
        void Select(const QString& voice) {
            speech.SelectEngine(voice);
            if (speech.Selected)
                speech.SetSpeed(kFast);
        }
        // Notes the word offset when it changes; gives it.
        std::uint32_t Follow() {
            if (words.empty() || words.back() != speech.WordOffset)
                if (speech.WordOffset > 0 || words.empty())
                    words.push_back(speech.WordOffset);
            return speech.WordOffset;
        }
        // Speaks `text` and follows its words until the stop.
        bool SpeakAndFollow(const QString& text, int timeoutMs) {
            speech.SpeakText(text);
            return WaitFor([this] { return Follow(), stops > 0; }, timeoutMs);
        }
    };

    // The offset of the word after the one at `offset`, and of the last word.
    static std::uint32_t NextWord(const QString& text, std::uint32_t offset) {
        const QByteArray t = text.toUtf8();
        qsizetype i = t.indexOf(' ', offset);
        while (i >= 0 && i < t.size() && t[i] == ' ')
            ++i;
        return i < 0 ? offset : std::uint32_t(i);
    }
    static std::uint32_t LastWord(const QString& text) {
        const QByteArray t = text.toUtf8().trimmed();
        return std::uint32_t(t.lastIndexOf(' ') + 1);
    }

    bool Heard(qint64 fromMs, qint64 toMs) { return FMonitor.Peak(fromMs, toMs) > 300; }
    bool Silent(qint64 fromMs, qint64 toMs) { return FMonitor.Peak(fromMs, toMs) < 50; }
    static void Idle(int ms) {
        WaitFor([] { return false; }, ms);
    }

    static bool Rising(const std::vector<std::uint32_t>& v) {
        for (std::size_t i = 1; i < v.size(); ++i)
            if (v[i] <= v[i - 1])
                return false;
        return true;
    }

    QString Nurva() const { return qEnvironmentVariable("NURVA_APPDIR") + "/nurva"; }
    QString Script() const {
        return qEnvironmentVariable("NURVA_SCRIPTS") + "/speechd-test-server";
    }

private slots:
    void initTestCase() {
        QVERIFY(FDir.isValid());
        QVERIFY2(FServer.Start(), qPrintable(FServer.Error()));
        QVERIFY(FMonitor.Start(FServer.Monitor()));
        // The service's configuration and runtime folder are the test's own.
        FSpeechd = FDir.filePath("speechd");
        QProcess prepare;
        prepare.start(Script(), {"prepare", FSpeechd});
        QVERIFY(prepare.waitForFinished(10000) && prepare.exitCode() == 0);
        for (const QString& line : QString::fromLocal8Bit(prepare.readAllStandardOutput())
                                       .split('\n', Qt::SkipEmptyParts))
            qputenv(line.section('=', 0, 0).toLocal8Bit(), line.section('=', 1).toLocal8Bit());
        qunsetenv("SPEECHD_ADDRESS");
        engines::RegisterEngines();
    }

    void cleanupTestCase() {
        QProcess::execute(Script(), {"stop", FSpeechd});
        FMonitor.Stop();
        FServer.Stop();
    }

    // ---- Lazily ---------------------------------------------------------------------------

    // A start that reads with espeak-ng, as the window's does (its voice list holds what is
    // listed at once, the greeting is said with engine 0), neither starts the speech service
    // nor loads a Flite voice.
    void startWithEspeakTouchesNoOtherEngine() {
        Component c;
        QVERIFY(!c.speech.ListedEngines().isEmpty());
        const QString first = c.speech.EngineName(0);
        QVERIFY(!first.isEmpty());
        c.speech.SelectEngine(first);
        QVERIFY(c.SpeakAndFollow("Hello.", 20000));
        Idle(500);
        QVERIFY(!QFileInfo::exists(FSpeechd + "/run/speech-dispatcher/speechd.sock"));
        const QString maps = QString::fromLatin1(ReadBytes("/proc/self/maps"));
        QVERIFY2(!maps.contains("libflite_cmu_"), "a Flite voice was loaded");
    }

    // ---- Flite ---------------------------------------------------------------------------

    void fliteIsHeardWordByWord() {
        Component c;
        c.Select("Flite slt Female");
        QVERIFY(c.speech.Selected);
        FMonitor.Clear();
        QVERIFY(c.SpeakAndFollow(kText, 30000));
        Idle(300);
        QCOMPARE(c.starts, 1);
        QCOMPARE(c.stops, 1);
        const std::size_t first = FMonitor.FirstLoud(), last = FMonitor.LastLoud();
        QVERIFY2(first != SIZE_MAX, "nothing was heard");
        const double heard = double(last - first) / MonitorRecorder::kRate;
        QVERIFY2(heard > 2.5 && heard < 10, qPrintable(QString::number(heard)));
        QVERIFY2(c.words.size() >= 12 && Rising(c.words),
                 qPrintable(QString::number(c.words.size())));
    }

    // ---- speech-dispatcher ---------------------------------------------------------------

    // A block goes to the service in parts that keep the block's offsets in their marks; a
    // part said again after a pause starts at its word.
    void blocksGoInMarkedParts() {
        QCOMPARE(
            QString::fromStdString(engines::SpeechdMarkup("Tom & <Jerry> \\Pau=500\\ ran.", true)),
            QString("<speak><mark name=\"0\"/>Tom <mark name=\"4\"/>&amp; <mark "
                    "name=\"6\"/>&lt;Jerry&gt; <break time=\"500ms\"/> <mark "
                    "name=\"24\"/>ran.</speak>"));
        QCOMPARE(QString::fromStdString(engines::SpeechdMarkup("a \\Spd=200\\b", false)),
                 QString("<speak><mark name=\"0\"/>a <mark name=\"2\"/>\\Spd=200\\b</speak>"));
        const std::string two = "One. Two \\Pau=200\\ three.";
        using Parts = std::vector<std::pair<std::uint32_t, std::uint32_t>>;
        QCOMPARE(engines::SpeechdParts(two, true), (Parts{{0, 5}, {5, 25}}));
        const std::string_view second = std::string_view(two).substr(5);
        QCOMPARE(QString::fromStdString(engines::SpeechdMarkup(second, true, 5, 0)),
                 QString("<speak><mark name=\"5\"/>Two <break time=\"200ms\"/> <mark "
                         "name=\"19\"/>three.</speak>"));
        QCOMPARE(QString::fromStdString(engines::SpeechdMarkup(second, true, 5, 19)),
                 QString("<speak>  <mark name=\"19\"/>three.</speak>"));
        QCOMPARE(engines::SpeechdParts("", true), (Parts{{0, 0}}));

        // A long text: after a sentence once a part is long enough, at a blank line, and in a
        // run without sentences at a blank; every part follows the one before, none is cut
        // inside a word or a tag.
        std::string block = "First. ";
        for (int i = 0; i < 30; ++i)
            block += "A sentence \\Vol=40000\\ of some length, said again! ";
        block += "Short one.\n\nA paragraph. ";
        for (int i = 0; i < 800; ++i)
            block += "word ";
        const Parts parts = engines::SpeechdParts(block, true);
        QVERIFY(parts.size() > 4);
        QCOMPARE(parts.front(), (std::pair<std::uint32_t, std::uint32_t>{0, 7}));
        QCOMPARE(std::size_t(parts.back().second), block.size());
        bool paragraph = false;
        for (std::size_t i = 1; i < parts.size(); ++i) {
            const auto [begin, end] = parts[i];
            QCOMPARE(begin, parts[i - 1].second);
            QVERIFY2(end - begin <= 2000 + 60, qPrintable(QString::number(end - begin)));
            QVERIFY(block[begin - 1] == ' ' || block[begin - 1] == '\n');
            QVERIFY(block[begin] != ' ' && block[begin] != '\\');
            paragraph = paragraph || block.compare(begin, 12, "A paragraph.") == 0;
            if (i + 1 < parts.size() && block.compare(begin, 4, "word") != 0)
                QVERIFY2(end - begin >= 300 || block.compare(end, 12, "A paragraph.") == 0,
                         qPrintable(QString::fromStdString(block.substr(begin, end - begin))));
        }
        QVERIFY(paragraph);
    }

    // The service is started by the listing, its modules' voices join the list.
    void serviceVoicesAreListed() {
        TMSpeech s;
        QVERIFY(!s.ListedEngines().contains(kServiceVoice)); // not asked for yet
        const QStringList& all = s.Engines();
        QVERIFY2(all.contains(kServiceVoice), qPrintable(s.EngineProblems().join("\n")));
        QVERIFY(all.contains("flite: kal16"));
        const int i = int(all.indexOf(kServiceVoice));
        QVERIFY(s.ListedEngineInfos()[i].Product.startsWith("speech-dispatcher"));
        QVERIFY(s.ListedEngineInfos()[i].Features & TTSFEATURE_FIXEDAUDIO);
        // Among the English voices, after the program's own.
        QVERIFY(int(all.indexOf("Flite slt Female")) < i);
        QVERIFY(s.ListedEngineInfos()[i - 1].Language.startsWith("en"));
    }

    void serviceIsHeardWordByWord() {
        Component c;
        c.Select(kServiceVoice);
        QVERIFY(c.speech.Selected);
        FMonitor.Clear();
        QVERIFY(c.SpeakAndFollow(kText, 30000));
        Idle(300);
        QCOMPARE(c.starts, 1);
        QCOMPARE(c.stops, 1);
        const std::size_t first = FMonitor.FirstLoud(), last = FMonitor.LastLoud();
        QVERIFY2(first != SIZE_MAX, "nothing was heard");
        const double heard = double(last - first) / MonitorRecorder::kRate;
        QVERIFY2(heard > 2.5 && heard < 12, qPrintable(QString::number(heard)));
        QVERIFY2(c.words.size() >= 12 && Rising(c.words),
                 qPrintable(QString::number(c.words.size())));
        QCOMPARE(c.words.back(), LastWord(kText));
    }

    // Paused, it is silent at once and the word stays; resumed, it goes on from the word it
    // stopped at and says the rest, with one stop at the end.
    void servicePausesAtOnceAndGoesOnFromTheWord() {
        Component c;
        c.Select(kServiceVoice);
        const QString text = kText + " " + kMore;
        c.speech.SpeakText(text);
        QVERIFY(WaitFor([&] { return c.Follow() > 20; }, 20000));
        const qint64 pausedAt = NowMs();
        c.speech.Pause();
        const std::uint32_t pausedWord = c.speech.WordOffset;
        Idle(1500);
        const qint64 resumedAt = NowMs();
        QVERIFY2(
            Silent(pausedAt + kQuietAfterMs, resumedAt),
            qPrintable(QString("peak %1").arg(FMonitor.Peak(pausedAt + kQuietAfterMs, resumedAt))));
        QVERIFY(c.speech.WordOffset <= NextWord(text, pausedWord));
        c.words.clear();
        c.speech.Resume();
        QVERIFY(WaitFor([&] { return c.Follow(), c.stops > 0; }, 30000));
        Idle(300);
        QVERIFY(Heard(resumedAt, NowMs()));
        QCOMPARE(c.starts, 1);
        QCOMPARE(c.stops, 1);
        // The word it was saying is said again, then the rest, to the end.
        QVERIFY2(!c.words.empty() && c.words.front() >= pausedWord &&
                     c.words.front() <= NextWord(text, pausedWord),
                 qPrintable(QString("%1 after %2")
                                .arg(c.words.empty() ? 0u : c.words.front())
                                .arg(pausedWord)));
        QVERIFY(Rising(c.words));
        QCOMPARE(c.words.back(), LastWord(text));
    }

    // Stopped, while speaking or while paused: silent at once, and one stop.
    void serviceStopsAtOnceWithOneStop() {
        Component c;
        c.Select(kServiceVoice);
        for (bool paused : {false, true}) {
            c.stops = 0;
            c.speech.SpeakText(kText);
            QVERIFY(WaitFor([&] { return c.Follow() > 20; }, 20000));
            if (paused)
                c.speech.Pause();
            const qint64 stoppedAt = NowMs();
            c.speech.Stop();
            QVERIFY(WaitFor([&] { return c.stops > 0; }, 5000));
            Idle(1000);
            QVERIFY2(Silent(stoppedAt + kQuietAfterMs, NowMs()),
                     qPrintable(QString("peak %1").arg(
                         FMonitor.Peak(stoppedAt + kQuietAfterMs, NowMs()))));
            QCOMPARE(c.stops, 1);
        }
    }

    void serviceVoiceIsRefusedForFiles() {
        TMSpeech s;
        s.Engines();
        QVERIFY(!s.CanWriteFiles(kServiceVoice));
        QVERIFY(s.CanWriteFiles("Flite kal Male"));
        s.Output = soFile;
        s.SelectEngine(kServiceVoice);
        QVERIFY(!s.Selected);
        // The command line says so, and writes nothing.
        for (const QString& job : {QString("/ttw"), QString("/ttm")}) {
            QProcess p;
            p.setWorkingDirectory(FDir.path());
            p.start(Nurva(), {job, "Some words.", FDir.filePath("out" + job.mid(1) + ".wav"), "-e",
                              kServiceVoice});
            QVERIFY(p.waitForFinished(60000));
            QCOMPARE(p.exitCode(), 1);
            QVERIFY2(QString::fromLocal8Bit(p.readAllStandardError())
                         .contains("not into a WAV or MP3 file"),
                     qPrintable(job));
        }
        QVERIFY(QDir(FDir.path()).entryList({"out*"}, QDir::Files).isEmpty());
    }

    // A service that cannot be reached leaves the other engines working and says why.
    void unreachableServiceSaysWhy() {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("SPEECHD_ADDRESS", "unix_socket:" + FDir.filePath("no-such-socket"));
        p.setProcessEnvironment(env);
        p.start(Nurva(), {"/e"});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        const QString out = QString::fromLocal8Bit(p.readAllStandardOutput());
        QVERIFY(out.contains("Flite slt Female") && out.contains("English (America) Male"));
        QVERIFY(!out.contains(kServiceVoice));
        QVERIFY2(QString::fromLocal8Bit(p.readAllStandardError())
                     .contains("speech-dispatcher: the speech service cannot be reached"),
                 qPrintable(out));
    }

    // A service that stops answering in the middle of a reading holds nothing: every call
    // comes back, and within a bounded time the reading ends with an error. One that goes away
    // ends nothing but the reading either; the next voice selected starts it again.
    void serviceThatHangsOrGoesHoldsNothing() {
        const QString pidFile = FSpeechd + "/run/speech-dispatcher/pid/speech-dispatcher.pid";
        bool ok = false;
        const pid_t pid = pid_t(QString::fromLatin1(ReadBytes(pidFile)).trimmed().toLong(&ok));
        QVERIFY(ok && pid > 0);
        Component c;
        int errors = 0;
        c.speech.OnError = [&errors](TMSpeech*, std::int32_t, const QString&) { ++errors; };
        c.Select(kServiceVoice);
        QVERIFY(c.speech.Selected);
        c.speech.SpeakText(kText + " " + kMore);
        QVERIFY(WaitFor([&] { return c.Follow() > 20; }, 20000));
        ::kill(pid, SIGSTOP);
        c.speech.Pause();
        c.speech.Resume();
        QVERIFY(WaitFor([&] { return errors > 0 && c.stops > 0; }, 40000));
        QCOMPARE(c.stops, 1);
        ::kill(pid, SIGKILL);
        ::kill(pid, SIGCONT);
        QVERIFY(WaitFor([&] { return ::kill(pid, 0) != 0; }, 5000));
        // The voice bound to the service that went says so at once.
        try {
            c.speech.SpeakText(kText);
        } catch (const EMSpeechException&) {
            ++errors;
        }
        QVERIFY(WaitFor([&] { return errors > 1; }, 5000));
        // Selected again, it is heard again.
        Component d;
        d.Select(kServiceVoice);
        QVERIFY(d.speech.Selected);
        QVERIFY(d.SpeakAndFollow(kMore, 30000));
        QCOMPARE(d.words.back(), LastWord(kMore));
    }
};

QTEST_GUILESS_MAIN(TestVoicesAloud)
#include "tst_VoicesAloud.moc"
