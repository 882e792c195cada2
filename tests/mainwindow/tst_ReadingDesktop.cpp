// SPDX-License-Identifier: GPL-3.0-or-later
// The window reading for real: espeak-ng speaking through a private sound server whose null
// sink the test records, the encoder writing MP3 files, the window on an X desktop.
#include "AudioMonitor.h"
#include "Converter.h"
#include "Engines.h"
#include "Global.h"
#include "KoUtils.h"
#include "MessageCapture.h"
#include "ReadingController.h"
#include "TestSupport.h"
#include "WindowFixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTabBar>
#include <QTemporaryDir>
#include <QtTest>

using namespace settings;
using namespace testsupport;

using testsupport::WriteBytes;

class TestReadingDesktop : public QObject {
    Q_OBJECT

    PulseTestServer FServer;
    MonitorRecorder FMonitor;
    QTemporaryDir FConfig;
    QString FProgram; // the program itself, which speaks the conversions' pieces
    std::unique_ptr<QTemporaryDir> FDir;
    QString App() const { return FDir->path() + "/"; }

    std::unique_ptr<TFormCvt> Window(const testwindow::TDocs& docs,
                                     const std::function<void()>& tweak = {}) {
        auto w = testwindow::MakeWindow(App(), docs, [&] {
            Settings.AutoName = true;
            Settings.Highlight = false;
            if (tweak)
                tweak();
        });
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get()))
            qWarning("the window was not exposed");
        return w;
    }

    static bool Idle(const TFormCvt& w) {
        return w.CurrentReadKind() == rkNone && !w.ActionStop->isEnabled() &&
               !w.TimerWordPosition->isActive();
    }

private slots:
    void initTestCase() {
        QVERIFY(FConfig.isValid());
        qputenv("XDG_CONFIG_HOME", FConfig.path().toLocal8Bit());
        QVERIFY2(FServer.Start(), qPrintable(FServer.Error()));
        engines::RegisterEngines();
        FProgram = qEnvironmentVariable("NURVA_APPDIR") + "/nurva";
        mainwindow::TReadingController::SetWorkerProgram(FProgram);
        QVERIFY(FMonitor.Start(FServer.Monitor()));
    }

    void init() {
        FDir = std::make_unique<QTemporaryDir>();
        QVERIFY(FDir->isValid());
        for (const char* sub : {"txt", "wav", "mp3"})
            QDir(App()).mkpath(sub);
    }

    // Three documents of clearly different lengths are heard one after the other, in the
    // playlist's order, and the reading ends on the last.
    void playlistHeardInOrder() {
        Messages m;
        auto w = Window({{"short.txt", "Yes."},
                         {"long.txt", "This second document is by far the longest of the three, "
                                      "and it takes several seconds to say all of it aloud."},
                         {"middle.txt", "The third one is of middle length."}},
                        [] { Settings.AutoNext = true; });
        FMonitor.Poll();
        FMonitor.Clear();
        struct Span {
            qint64 from = -1, to = -1;
        };
        Span spans[3];
        w->ActionTTSExecute();
        const bool ended = WaitFor(
            [&] {
                const qint64 now = NowMs();
                const int tab = w->TabControl1->currentIndex();
                if (w->ActionStop->isEnabled() && tab >= 0 && tab < 3) {
                    if (spans[tab].from < 0)
                        spans[tab].from = now;
                    spans[tab].to = now;
                }
                return spans[2].from >= 0 && Idle(*w);
            },
            60000);
        QVERIFY2(ended, qPrintable(m.texts.join('\n')));
        QTest::qWait(300);
        FMonitor.Poll();
        QCOMPARE(w->TabControl1->currentIndex(), 2);
        QVERIFY(m.texts.isEmpty());

        double sounding[3];
        for (int i = 0; i < 3; ++i) {
            QVERIFY2(spans[i].from >= 0, qPrintable(QString("document %1 was not read").arg(i)));
            if (i > 0)
                QVERIFY(spans[i].from >= spans[i - 1].to);
            // What was heard while this document was the one being read.
            const std::size_t a = FMonitor.IndexAt(spans[i].from);
            const std::size_t b = FMonitor.IndexAt(spans[i].to + 100);
            std::size_t first = FMonitor.FirstLoud(a);
            QVERIFY2(first != SIZE_MAX && first < b,
                     qPrintable(QString("document %1 was not heard").arg(i)));
            std::size_t last = first;
            for (std::size_t k = first; k < b && k < FMonitor.Samples().size(); ++k)
                if (std::abs(FMonitor.Samples()[k]) > 300)
                    last = k;
            sounding[i] = double(last - first) / MonitorRecorder::kRate;
        }
        qInfo("heard %.2f s, %.2f s, %.2f s", sounding[0], sounding[1], sounding[2]);
        QVERIFY2(sounding[1] > sounding[2] && sounding[2] > sounding[0],
                 qPrintable(QString("heard %1 s, %2 s, %3 s")
                                .arg(sounding[0])
                                .arg(sounding[1])
                                .arg(sounding[2])));
        // Nothing more is heard after the last document.
        QTest::qWait(700);
        FMonitor.Poll();
        QVERIFY(FMonitor.Peak(spans[2].to + 300, NowMs()) < 300);
    }

    // The workers speak what the editor holds (not the file on disk) with the window's voice
    // and speed: the MP3 file is as long as that speech, and no WAV file is left.
    void mp3FromTheWindow() {
        Messages m;
        auto w = Window({{"story.txt", "Yes."}}, [] { Settings.Spd = 260; });
        const QString text = "A short story, typed into the window and converted into an MP3 "
                             "file before it was ever saved.\n\nIt has a second paragraph.";
        w->Memo1->setPlainText(text);
        w->ActionTTMExecute();
        const QString mp3 = App() + "mp3/story.mp3";
        QVERIFY2(WaitFor([&] { return Idle(*w) && QFile::exists(mp3); }, 60000),
                 qPrintable(m.texts.join('\n')));
        QVERIFY(m.texts.isEmpty());
        QCOMPARE(QDir(App() + "wav").entryList(QDir::Files | QDir::Hidden), QStringList());
        QCOMPARE(QDir(App() + "mp3").entryList(QDir::Files | QDir::Hidden),
                 QStringList{"story.mp3"});
        const QString decoded = App() + "decoded.wav";
        QCOMPARE(QProcess::execute("lame", {"--quiet", "--decode", mp3, decoded}), 0);
        Wav wav = ReadWav(decoded);
        QVERIFY(wav.valid);

        // The same text and speed spoken by the program's own file job.
        WriteBytes(App() + "typed.txt", text.toUtf8());
        QCOMPARE(QProcess::execute(FProgram, {"/ttw", App() + "typed.txt", App() + "typed.wav",
                                              "-s", "260", "-w", "256"}),
                 0);
        const double expected = SoundingSeconds(ReadWav(App() + "typed.wav"));
        QVERIFY2(
            expected > 3 && std::abs(SoundingSeconds(wav) - expected) < 0.05,
            qPrintable(QString("%1 s, expected %2 s").arg(SoundingSeconds(wav)).arg(expected)));
    }

    // A default folder the files cannot be written into: the conversion says which file and
    // why, in the system's words, and leaves the window ready.
    void failedWritesSayWhy() {
        Messages m;
        WriteBytes(App() + "not a folder", "a file");
        auto w = Window({{"story.txt", "Words to keep."}}, [&] {
            Settings.DefWavPath = App() + "not a folder/wav/";
            Settings.DefMp3Path = App() + "missing/mp3/";
        });
        w->ActionTTWExecute();
        QVERIFY(WaitFor([&] { return Idle(*w) && !m.texts.isEmpty(); }, 30000));
        QCOMPARE(m.texts.size(), 1);
        QVERIFY2(m.texts[0].contains(App() + "not a folder/wav/story.wav") &&
                     m.texts[0].contains("Not a directory"),
                 qPrintable(m.texts[0]));
        w->ActionTTMExecute();
        QVERIFY(WaitFor([&] { return Idle(*w) && m.texts.size() > 1; }, 30000));
        QCOMPARE(m.texts.size(), 2);
        QVERIFY2(m.texts[1].contains(App() + "missing/mp3/story.mp3") &&
                     m.texts[1].contains("No such file or directory"),
                 qPrintable(m.texts[1]));
        QVERIFY(w->ActionTTS->isEnabled());
    }

    // While a paragraph with accented words is heard, the editor's selection stands on the
    // first letter of a word, moves forward, and reaches the words after the accented ones.
    void selectionFollowsHeardWords() {
        const QString text = QString::fromUtf8(
            "Le café était très animé. Noël a lu un résumé naïf à sa sœur, puis il est parti.");
        auto w = Window({{"accents.txt", text}}, [] { Settings.Highlight = true; });
        QCOMPARE(w->Memo1->toPlainText(), text);
        FMonitor.Poll();
        FMonitor.Clear();
        QList<int> seen;
        int heardWhileMoving = 0;
        w->ActionTTSExecute();
        QVERIFY(WaitFor([&] { return w->ActionStop->isEnabled(); }, 10000));
        const bool ended = WaitFor(
            [&] {
                const QTextCursor c = w->Memo1->textCursor();
                if (w->ActionStop->isEnabled() && c.hasSelection() &&
                    (seen.isEmpty() || seen.back() != c.selectionStart())) {
                    seen << c.selectionStart();
                    FMonitor.Poll();
                    if (FMonitor.Peak(NowMs() - 400, NowMs()) > 300)
                        ++heardWhileMoving;
                }
                return Idle(*w);
            },
            60000);
        QVERIFY(ended);
        qInfo("%d word positions shown, %d of them while sound was heard", int(seen.size()),
              heardWhileMoving);
        QVERIFY2(seen.size() >= 10, qPrintable(QString::number(seen.size())));
        for (int i = 0; i < seen.size(); ++i) {
            const int p = seen[i];
            QVERIFY2(text[p].isLetter() && (p == 0 || !text[p - 1].isLetterOrNumber()),
                     qPrintable(QString("selection at %1: \"%2\"").arg(p).arg(text.mid(p, 8))));
            if (i > 0)
                QVERIFY(p > seen[i - 1]);
        }
        for (const char* after : {"était", "Noël", "naïf", "sœur", "puis"})
            QVERIFY2(seen.contains(text.indexOf(QString::fromUtf8(after))), after);
        QVERIFY(heardWhileMoving >= seen.size() * 3 / 4);
        QVERIFY(!w->Memo1->isReadOnly());
    }

    // Readings started and stopped in quick succession, stopped at every moment from before
    // the first sound to after the last: each ends, the window stays whole and silent, and the
    // reading after them all is heard to its end.
    void startAndStopManyTimes() {
        Messages m;
        auto w = Window({{"note.txt", "Start, stop, and start again."}});
        for (int round = 0; round < 40; ++round) {
            w->ActionTTSExecute();
            QVERIFY2(WaitFor([&] { return w->ActionStop->isEnabled(); }, 10000),
                     qPrintable(QString("round %1 did not start").arg(round)));
            QTest::qWait(round * 50 % 2300); // up to past the reading's end
            if (w->ActionStop->isEnabled())
                w->ActionStop->trigger();
            QVERIFY2(WaitFor([&] { return Idle(*w); }, 10000),
                     qPrintable(QString("round %1 did not end").arg(round)));
        }
        QTest::qWait(300);
        FMonitor.Poll();
        QVERIFY(FMonitor.Peak(NowMs() - 200, NowMs()) < 300);
        FMonitor.Clear();
        w->ActionTTSExecute();
        QVERIFY(WaitFor([&] { return w->ActionStop->isEnabled(); }, 10000));
        QVERIFY(WaitFor([&] { return Idle(*w); }, 20000));
        QTest::qWait(200);
        FMonitor.Poll();
        const std::size_t first = FMonitor.FirstLoud(), last = FMonitor.LastLoud();
        QVERIFY(first != SIZE_MAX);
        const double heard = double(last - first) / MonitorRecorder::kRate;
        QVERIFY2(heard > 1.0, qPrintable(QString::number(heard)));
        QVERIFY2(m.texts.isEmpty(), qPrintable(m.texts.join('\n')));
    }
};

QTEST_MAIN(TestReadingDesktop)
#include "tst_ReadingDesktop.moc"
