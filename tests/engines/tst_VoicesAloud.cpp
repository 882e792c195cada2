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

using namespace speech;
using namespace testsupport;

namespace {
const QString kText = "Every morning the baker opens the shop at six, and the smell of fresh "
                      "bread fills the whole street.";
const QString kServiceVoice = "espeak-ng: English (America)";
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
        // Speaks `text` and notes each word offset as it changes, until the stop.
        bool SpeakAndFollow(const QString& text, int timeoutMs) {
            speech.SpeakText(text);
            return WaitFor(
                [this] {
                    if (words.empty() || words.back() != speech.WordOffset)
                        if (speech.WordOffset > 0 || words.empty())
                            words.push_back(speech.WordOffset);
                    return stops > 0;
                },
                timeoutMs);
        }
    };

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

    // ---- Flite ---------------------------------------------------------------------------

    void fliteIsHeardWordByWord() {
        Component c;
        c.speech.SelectEngine("Flite slt Female");
        QVERIFY(c.speech.Selected);
        FMonitor.Clear();
        QVERIFY(c.SpeakAndFollow(kText, 30000));
        WaitFor([] { return false; }, 300);
        QCOMPARE(c.starts, 1);
        QCOMPARE(c.stops, 1);
        const std::size_t first = FMonitor.FirstLoud(), last = FMonitor.LastLoud();
        QVERIFY2(first != SIZE_MAX, "nothing was heard");
        const double heard = double(last - first) / MonitorRecorder::kRate;
        QVERIFY2(heard > 4 && heard < 10, qPrintable(QString::number(heard)));
        QVERIFY2(c.words.size() >= 12 && Rising(c.words),
                 qPrintable(QString::number(c.words.size())));
    }

    // ---- speech-dispatcher ---------------------------------------------------------------

    void markupCarriesMarksAndPauses() {
        QCOMPARE(
            QString::fromStdString(engines::SpeechdMarkup("Tom & <Jerry> \\Pau=500\\ ran.", true)),
            QString("<speak><mark name=\"0\"/>Tom <mark name=\"4\"/>&amp; <mark "
                    "name=\"6\"/>&lt;Jerry&gt; <break time=\"500ms\"/> <mark "
                    "name=\"24\"/>ran.</speak>"));
        QCOMPARE(QString::fromStdString(engines::SpeechdMarkup("a \\Spd=200\\b", false)),
                 QString("<speak><mark name=\"0\"/>a <mark name=\"2\"/>\\Spd=200\\b</speak>"));
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

    void serviceIsHeardWordByWordAndPauses() {
        Component c;
        c.speech.SelectEngine(kServiceVoice);
        QVERIFY(c.speech.Selected);
        FMonitor.Clear();
        c.speech.SpeakText(kText);
        QVERIFY(WaitFor([&] { return c.starts > 0 && c.speech.WordOffset > 20; }, 20000));
        c.speech.Pause();
        WaitFor([] { return false; }, 600);
        const qint64 quietFrom = NowMs();
        WaitFor([] { return false; }, 800);
        const std::uint32_t pausedAt = c.speech.WordOffset;
        // What the service had handed to the sound server before the pause still plays: only
        // the words stop moving.
        Q_UNUSED(quietFrom);
        QCOMPARE(c.stops, 0);
        c.speech.Resume();
        QVERIFY(c.SpeakAndFollow(QString(), 0) || WaitFor([&] { return c.stops > 0; }, 30000));
        WaitFor([] { return false; }, 300);
        QCOMPARE(c.stops, 1);
        QVERIFY(c.speech.WordOffset > pausedAt);
        QVERIFY(FMonitor.FirstLoud() != SIZE_MAX);

        Component d;
        d.speech.SelectEngine(kServiceVoice);
        QVERIFY(d.SpeakAndFollow(kText, 30000));
        QVERIFY2(d.words.size() >= 12 && Rising(d.words),
                 qPrintable(QString::number(d.words.size())));
        // Stopped early: one stop, and silence.
        d.stops = 0;
        d.speech.SpeakText(kText);
        QVERIFY(WaitFor([&] { return d.starts > 1; }, 20000));
        d.speech.Stop();
        QVERIFY(WaitFor([&] { return d.stops > 0; }, 5000));
        WaitFor([] { return false; }, 500);
        QCOMPARE(d.stops, 1);
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
};

QTEST_GUILESS_MAIN(TestVoicesAloud)
#include "tst_VoicesAloud.moc"
