// SPDX-License-Identifier: GPL-3.0-or-later
// The reading commands and the voice controls of the main window, against the scripted
// engine (which reports start, stop and words when the test says so) and the real encoder.
// The controller's own rules (names, intermediate files, word positions, the encoder) are in
// tst_ReadingController.
#include "Converter.h"
#include "Global.h"
#include "KoUtils.h"
#include "MessageCapture.h"
#include "ReadingController.h"
#include "ScriptedEngine.h"
#include "TestSupport.h"
#include "WindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QScopeGuard>
#include <QSlider>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <cmath>

using namespace settings;
using scripted::CurrentLog;
using scripted::CurrentScript;

using scripted::EngineStarts;
using scripted::EngineStops;
using scripted::Last;
using scripted::LastFile;
using scripted::LastSpoken;
using scripted::Pump;
using scripted::TextsSpoken;
using testsupport::WriteBytes;

namespace {

// Answers the next file dialog: picks `file`, or cancels when it is empty.
struct DialogAnswer {
    QTimer timer;
    int dialogs = 0;
    QString title;
    explicit DialogAnswer(const QString& file) {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this, file] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog || dialog->property("answered").toBool())
                return;
            dialog->setProperty("answered", true);
            ++dialogs;
            title = dialog->windowTitle();
            if (file.isEmpty()) {
                dialog->reject();
                return;
            }
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(file);
            static_cast<QDialog*>(dialog)->accept();
        });
        timer.start();
    }
};

} // namespace

class TestReading : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> FDir;
    QString App() const { return FDir->path() + "/"; }
    QString Doc(const QString& name) const { return App() + "txt/" + name; }
    QString Wav(const QString& name) const { return App() + "wav/" + name; }
    QString Mp3(const QString& name) const { return App() + "mp3/" + name; }

    // A window on a program folder holding these documents (name, text), the first current;
    // `tweak` adjusts the settings before the window loads them.
    std::unique_ptr<TFormCvt> Window(const testwindow::TDocs& docs,
                                     const std::function<void()>& tweak = {}) {
        return testwindow::MakeWindow(App(), docs, [&] {
            Settings.AutoName = true;
            Settings.AutoNext = false;
            Settings.Highlight = false;
            if (tweak)
                tweak();
        });
    }

    static QList<QPair<QString, QString>> ThreeDocs() {
        return {{"one.txt", "first"}, {"two.txt", "second"}, {"three.txt", "third"}};
    }

    static bool Locked(const TFormCvt& w) {
        return w.Memo1->isReadOnly() && !w.ActionTTS->isEnabled() && w.ActionStop->isEnabled() &&
               w.ActionPause->isEnabled() && !w.ComboBoxExEngines->isEnabled() &&
               !w.TrackBarSpd->isEnabled() && w.TimerWordPosition->isActive();
    }
    static bool Idle(const TFormCvt& w) {
        return !w.Memo1->isReadOnly() && w.ActionTTS->isEnabled() && !w.ActionStop->isEnabled() &&
               !w.ActionPause->isEnabled() && w.ComboBoxExEngines->isEnabled() &&
               w.TrackBarSpd->isEnabled() && !w.TimerWordPosition->isActive() &&
               w.CurrentReadKind() == rkNone;
    }

    static QJsonObject Probe(const QString& path) { return testsupport::Probe(path); }
    // A file's tags in lower-case names, wherever its format keeps them.
    static QMap<QString, QString> Tags(const QString& path) {
        QMap<QString, QString> tags;
        const QVariantMap found = testsupport::ProbeTags(testsupport::Probe(path));
        for (auto it = found.begin(); it != found.end(); ++it)
            tags[it.key()] = it.value().toString();
        return tags;
    }

private slots:
    void init() {
        FDir = std::make_unique<QTemporaryDir>();
        QVERIFY(FDir->isValid());
        for (const char* sub : {"txt", "wav", "mp3"})
            QDir(App()).mkpath(sub);
        scripted::Install();
        CurrentScript().modeNames = {"Alpha Male", "Beta Female"};
        mainwindow::TReadingController::SetWorkerProgram(qEnvironmentVariable("NURVA_APPDIR") +
                                                         "/nurva");
    }

    void autoNextWithAndWithoutRepeat() {
        for (bool repeat : {false, true}) {
            scripted::Install();
            CurrentScript().modeNames = {"Alpha Male"};
            Messages m;
            auto w = Window(ThreeDocs(), [&] {
                Settings.AutoNext = true;
                Settings.Repeat = repeat;
            });
            w->ActionTTSExecute();
            QCOMPARE(LastSpoken(), QString("first\r\n"));
            EngineStarts();
            QVERIFY(Locked(*w));
            QCOMPARE(w->PanelStatus->text(), QString("Reading one Aloud"));
            for (const char* next : {"second", "third"}) {
                EngineStops();
                QCOMPARE(LastSpoken(), QString(next) + "\r\n");
                QCOMPARE(w->CurrentReadKind(), rkDocument);
                EngineStarts();
            }
            QCOMPARE(w->TabControl1->currentIndex(), 2);
            EngineStops();
            if (!repeat) {
                // The last document ends the reading.
                QCOMPARE(TextsSpoken(), 3);
                QCOMPARE(w->TabControl1->currentIndex(), 2);
                QVERIFY(Idle(*w));
                QCOMPARE(w->PanelStatus->text(), QString("three"));
                continue;
            }
            // The first follows the last, until the user stops; a Stop never advances.
            QCOMPARE(TextsSpoken(), 4);
            QCOMPARE(w->TabControl1->currentIndex(), 0);
            QCOMPARE(LastSpoken(), QString("first\r\n"));
            EngineStarts();
            w->ActionStop->trigger();
            QCOMPARE(CurrentLog().calls.back(), std::string("AudioReset"));
            EngineStops();
            QCOMPARE(TextsSpoken(), 4);
            QCOMPARE(w->TabControl1->currentIndex(), 0);
            QVERIFY(Idle(*w));
            QVERIFY(m.texts.isEmpty());
        }
    }

    void pauseSwitchTabResume() {
        auto w = Window(ThreeDocs(), [] { Settings.AutoNext = true; });
        w->ActionTTSExecute();
        EngineStarts();
        w->ActionPause->trigger();
        QVERIFY(w->MSpeech1->Paused);
        QVERIFY(!w->TimerWordPosition->isActive());
        QCOMPARE(w->PausedTabIndex(), 0);
        QVERIFY(w->TrayTipText().endsWith(" | NURVA [Paused]"));
        // The user looks at another document: nothing restarts.
        w->TabControl1->setCurrentIndex(2);
        QCOMPARE(w->Memo1->toPlainText(), QString("third"));
        QCOMPARE(TextsSpoken(), 1);
        // Resume brings the paused document back and goes on.
        w->ActionPause->trigger();
        QCOMPARE(w->TabControl1->currentIndex(), 0);
        QCOMPARE(w->Memo1->toPlainText(), QString("first"));
        QVERIFY(!w->MSpeech1->Paused);
        QCOMPARE(CurrentLog().calls.back(), std::string("AudioResume"));
        QCOMPARE(TextsSpoken(), 1);
        QVERIFY(Locked(*w));

        // Stop while paused: no auto-next follows.
        w->ActionPause->trigger();
        w->ActionStop->trigger();
        EngineStops();
        QCOMPARE(TextsSpoken(), 1);
        QCOMPARE(w->TabControl1->currentIndex(), 0);
        QVERIFY(Idle(*w));
        QVERIFY(w->TrayTipText().endsWith(" | NURVA [Stopped]"));
    }

    // A reading replaced by a tab change reports its stop late, or not at all: it must not
    // advance, and the new reading keeps the window.
    void replacedReadingsLateStop() {
        Messages m;
        auto w = Window(ThreeDocs(), [] { Settings.AutoNext = true; });
        w->ActionTTWExecute();
        QCOMPARE(LastFile(), Wav("one.wav"));
        EngineStarts();
        auto replaced = Last();
        w->TabControl1->setCurrentIndex(1); // the user picks another document
        QCOMPARE(LastSpoken(), QString("second\r\n"));
        EngineStarts();
        replaced->sink->AudioStop(0);
        Pump();
        QCOMPARE(TextsSpoken(), 2);
        QCOMPARE(w->TabControl1->currentIndex(), 1);
        QVERIFY(Locked(*w));
        QVERIFY(m.texts.isEmpty());

        // Its own end moves on.
        EngineStops();
        QCOMPARE(w->TabControl1->currentIndex(), 2);
        QCOMPARE(LastSpoken(), QString("third\r\n"));
        QCOMPARE(LastFile(), Wav("three.wav"));
    }

    void outputNames() {
        Messages m;
        auto w = Window({{"story.txt", "Once upon a time.\nThe end."}});
        // Into MP3: spoken by the workers, under the name of its start, and no WAV file.
        w->ActionTTMExecute();
        QVERIFY(w->ActionStop->isEnabled() && w->ActionPause->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(Idle(*w), 30000);
        QCOMPARE(QDir(App() + "mp3").entryList(QDir::Files | QDir::Hidden),
                 QStringList{"story.mp3"});
        QCOMPARE(QDir(App() + "wav").entryList(QDir::Files | QDir::Hidden), QStringList());

        // Part of the document, to a WAV file.
        Settings.ConvertMode = 1;
        QTextCursor c = w->Memo1->textCursor();
        c.setPosition(5);
        w->Memo1->setTextCursor(c);
        w->ActionTTXCursorExecute();
        QCOMPARE(LastFile(), Wav("PartOfstory.wav"));
        QCOMPARE(LastSpoken(), QString("upon a time.\r\nThe end.\r\n"));
        EngineStarts();
        QCOMPARE(w->PanelStatus->text(), QString("Reading story [PART] to WAV"));
        EngineStops();
        // A free text in file mode is named like the clipboard.
        QCOMPARE(w->CurrentReadKind(), rkNone);
        w->StartReading("x");
        QCOMPARE(LastFile(), Wav("Clipboard.wav"));
        EngineStops();

        // Without automatic names: a cancelled WAV dialog falls back to the automatic name,
        // and the MP3 dialog comes when speaking has ended.
        Settings.AutoName = false;
        {
            DialogAnswer cancel{QString()};
            w->ActionTTWExecute();
            QCOMPARE(cancel.dialogs, 1);
            QCOMPARE(cancel.title, QString("Convert into Wav File"));
            QCOMPARE(LastFile(), Wav("story.wav"));
            EngineStops();
        }
        {
            DialogAnswer pick{App() + "chosen.mp3"};
            w->ActionTTMExecute();
            QCOMPARE(pick.dialogs, 0); // no dialog yet
            QTRY_VERIFY_WITH_TIMEOUT(Idle(*w), 30000);
            QCOMPARE(pick.dialogs, 1);
            QCOMPARE(pick.title, QString("Convert into Mp3 File"));
        }
        QVERIFY(QFile::exists(App() + "chosen.mp3"));
        QVERIFY(m.texts.isEmpty());
    }

    // The options' format and subtitles: the file has the format's extension, its name and
    // the voice as tags, the subtitles beside it; the save dialog offers that format, and the
    // subtitles follow the name picked there.
    void formatAndSubtitlesOfTheOptions() {
        Messages m;
        auto w = Window({{"story.txt", "Once upon a time.\n\nThe end."}}, [] {
            Settings.Format = QStringLiteral("opus");
            Settings.Subtitles = true;
            Settings.SubtitleFormat = QStringLiteral("vtt");
        });
        w->ActionTTMExecute();
        QTRY_VERIFY_WITH_TIMEOUT(Idle(*w), 30000);
        QStringList written = QDir(App() + "mp3").entryList(QDir::Files | QDir::Hidden);
        written.sort();
        QCOMPARE(written, (QStringList{"story.opus", "story.vtt"}));
        QVERIFY(QFile(App() + "mp3/story.opus").size() > 1000);
        QFile vtt(App() + "mp3/story.vtt");
        QVERIFY(vtt.open(QIODevice::ReadOnly));
        const QByteArray cues = vtt.readAll();
        QVERIFY2(cues.startsWith("WEBVTT\n") && cues.contains("Once upon a time.") &&
                     cues.contains("The end."),
                 cues.constData());

        Settings.AutoName = false;
        Settings.Format = QStringLiteral("flac");
        {
            DialogAnswer pick{App() + "chosen.flac"};
            w->ActionTTMExecute();
            QTRY_VERIFY_WITH_TIMEOUT(Idle(*w), 30000);
            QCOMPARE(pick.dialogs, 1);
            QCOMPARE(pick.title, QString("Convert into FLAC File"));
        }
        QVERIFY(QFile::exists(App() + "chosen.flac"));
        QVERIFY(QFile::exists(App() + "chosen.vtt"));
        QVERIFY(m.texts.isEmpty());
    }

    // A document converted by its chapters: a file each, numbered and tagged with its title,
    // the document as album and its track, a playlist in order; chapter marks in one file;
    // an imported document by its own headings. A text without chapters goes into one file
    // and the status says so.
    void chaptersOfTheOptions() {
        Messages m;
        const QString book = "Foreword.\n\nChapter 1\n\nThe first chapter.\n\n"
                             "Chapter 2: Here/There\n\nThe second chapter, a little longer.\n";
        auto w = Window({{"story.txt", book},
                         {"plain.txt", "Nothing but a sentence.\n"},
                         {"book.md", "# Alpha\n\nWords one.\n\n# Beta\n\nWords two.\n"}},
                        [] {
                            Settings.Format = QStringLiteral("opus");
                            Settings.Chapters = QStringLiteral("split");
                        });
        w->ActionTTMExecute();
        QTRY_VERIFY_WITH_TIMEOUT(Idle(*w), 60000);
        const QStringList files{"story 01 story.opus", "story 02 Chapter 1.opus",
                                "story 03 Chapter 2_ Here_There.opus"};
        QCOMPARE(QDir(App() + "mp3").entryList(QDir::Files | QDir::Hidden),
                 files + QStringList{"story.m3u"});
        for (int i = 0; i < files.size(); ++i) {
            const QMap<QString, QString> tags = Tags(Mp3(files[i]));
            QCOMPARE(tags["track"].section('/', 0, 0).toInt(), i + 1);
            QCOMPARE(tags["album"], QString("story"));
        }
        QCOMPARE(Tags(Mp3(files[2]))["title"], QString("Chapter 2: Here/There"));
        const QString m3u = QString::fromUtf8(testsupport::ReadBytes(Mp3("story.m3u")));
        QVERIFY2(m3u.startsWith("#EXTM3U\n") && m3u.indexOf(files[0]) < m3u.indexOf(files[1]) &&
                     m3u.indexOf(files[1]) < m3u.indexOf(files[2]),
                 qPrintable(m3u));
        QVERIFY2(w->PanelStatus->text().contains("3 files, one per chapter") &&
                     w->PanelStatus->text().contains("story.m3u"),
                 qPrintable(w->PanelStatus->text()));

        w->TabControl1->setCurrentIndex(1);
        w->ActionTTMExecute();
        QTRY_VERIFY_WITH_TIMEOUT(Idle(*w), 60000);
        QVERIFY(QFile(Mp3("plain.opus")).size() > 1000);
        QVERIFY(QDir(App() + "mp3").entryList({"plain*"}, QDir::Files).size() == 1);
        QVERIFY2(w->PanelStatus->text().contains("No chapters were found"),
                 qPrintable(w->PanelStatus->text()));

        w->TabControl1->setCurrentIndex(2);
        w->ActionTTMExecute();
        QTRY_VERIFY_WITH_TIMEOUT(Idle(*w), 60000);
        QStringList md = QDir(App() + "mp3").entryList({"book*"}, QDir::Files);
        QCOMPARE(md, (QStringList{"book 01 Alpha.opus", "book 02 Beta.opus", "book.m3u"}));

        Settings.Chapters = QStringLiteral("marks");
        Settings.Format = QStringLiteral("mp3");
        w->TabControl1->setCurrentIndex(0);
        w->ActionTTMExecute();
        QTRY_VERIFY_WITH_TIMEOUT(Idle(*w), 60000);
        const QJsonArray marks = Probe(Mp3("story.mp3"))["chapters"].toArray();
        QCOMPARE(marks.size(), 3);
        QCOMPARE(marks[2].toObject()["tags"].toObject()["title"].toString(),
                 QString("Chapter 2: Here/There"));

        // Without automatic names a split book's name is asked for at the start, once.
        Settings.Chapters = QStringLiteral("split");
        Settings.AutoName = false;
        {
            DialogAnswer pick{App() + "chosen.mp3"};
            w->ActionTTMExecute();
            QTRY_VERIFY_WITH_TIMEOUT(Idle(*w), 60000);
            QCOMPARE(pick.dialogs, 1);
        }
        QCOMPARE(QDir(App()).entryList({"chosen*"}, QDir::Files),
                 (QStringList{"chosen 01 story.mp3", "chosen 02 Chapter 1.mp3",
                              "chosen 03 Chapter 2_ Here_There.mp3", "chosen.m3u"}));
        QVERIFY(m.texts.isEmpty());
    }

    // A conversion that fails is reported, with the file it could not write.
    void encoderFailureIsReported() {
        Messages m;
        auto w = Window({{"story.txt", "Words."}},
                        [&] { Settings.DefMp3Path = App() + "no such folder/"; });
        w->ActionTTMExecute();
        QTRY_COMPARE_WITH_TIMEOUT(m.texts.size(), 1, 30000);
        QVERIFY2(m.texts[0].contains(App() + "no such folder/story.mp3"), qPrintable(m.texts[0]));
        QCOMPARE(m.flags[0], KoUtils::MB_ICONERROR);
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(Idle(*w));
        QCOMPARE(QDir(App() + "wav").entryList(QDir::Files | QDir::Hidden), QStringList());

        // No encoder to be found: the message names it and where it may go; nothing is left.
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", "/nonexistent");
        const auto restore = qScopeGuard([&] { qputenv("PATH", path); });
        Settings.DefMp3Path = App() + "mp3/";
        w->ActionTTMExecute();
        QTRY_COMPARE_WITH_TIMEOUT(m.texts.size(), 2, 30000);
        QVERIFY2(m.texts[1].contains("\"lame\" is not installed"), qPrintable(m.texts[1]));
        QVERIFY(Idle(*w));
        QCOMPARE(QDir(App() + "mp3").entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // The conversion runs while the window goes on answering, the gauge following it; Stop
    // ends its workers and leaves no MP3 file, whole or partial, behind.
    void conversionGoesOnBesideTheWindowAndStops() {
        Messages m;
        const QString text = QString("Words spoken at the pace of a listener. ").repeated(40);
        auto w = Window({{"story.txt", text}}, [] { Settings.RealTime = 256; });
        w->ActionTTMExecute();
        QVERIFY(!w->ActionTTS->isEnabled() && w->ActionStop->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(w->GaugeWordPosition->value() > 0, 30000);
        QVERIFY2(w->PanelStatus->text().startsWith("Converting... "),
                 qPrintable(w->PanelStatus->text()));
        QVERIFY(!QDir(App() + "mp3").entryList(QDir::Files | QDir::Hidden).isEmpty());
        w->ActionStop->trigger();
        QVERIFY(Idle(*w));
        QCOMPARE(QDir(App() + "mp3").entryList(QDir::Files | QDir::Hidden), QStringList());
        QCOMPARE(QDir(App() + "wav").entryList(QDir::Files | QDir::Hidden), QStringList());
        QVERIFY(m.texts.isEmpty());
        QVERIFY(w->ActionTTS->isEnabled()); // and the next conversion may start
    }

    // A start that fails never leaves the window locked, even when it replaced a reading.
    void failedStarts() {
        Messages m;
        auto w = Window({{"story.txt", "Words."}}, [&] { Settings.KeyToSpeech = true; });
        CurrentScript().failFileSet = true;
        w->ActionTTWExecute();
        QCOMPARE(m.texts.size(), 1);
        QCOMPARE(m.flags[0], KoUtils::MB_ICONERROR);
        QVERIFY(Idle(*w));
        CurrentScript().failFileSet = false;

        w->ActionTTSExecute();
        EngineStarts();
        QVERIFY(Locked(*w));
        CurrentScript().textDataResult = speech::E_FAIL; // the typed key is refused
        QTest::keyClick(w->Memo1, Qt::Key_A);
        QCOMPARE(m.texts.size(), 2);
        QVERIFY(Idle(*w));
    }

    // The editor's selection follows the spoken word, also after letters that take two bytes
    // and in a part reading; without Highlight only the gauge does.
    void wordHighlight() {
        const QString text = QString::fromUtf8("Café au lait\nun résumé naïf\n\nà la fin");
        auto w = Window({{"accents.txt", text}}, [] { Settings.Highlight = true; });
        QCOMPARE(w->Memo1->toPlainText(), text);
        auto wordAt = [&](const QString& word, int from) {
            const QByteArray spoken = LastSpoken().toUtf8();
            const int index = int(spoken.indexOf(word.toUtf8()));
            Last()->bufSink->WordPosition(0, speech::DWORD(index));
            Pump();
            w->TimerWordPositionTimer();
            return text.indexOf(word, from);
        };
        w->ActionTTSExecute();
        EngineStarts();
        for (const QString word : {"naïf", "fin", "au"}) {
            const int expected = wordAt(word, 0);
            QCOMPARE(w->Memo1->textCursor().selectionStart(), expected);
            QCOMPARE(w->Memo1->textCursor().selectedText(), word.left(1));
            QCOMPARE(w->PanelStatus->text(), QString("Word Position: %1").arg(expected));
        }
        w->ActionStop->trigger();
        EngineStops();
        QVERIFY(!w->Memo1->textCursor().hasSelection());

        QTextCursor c = w->Memo1->textCursor();
        c.setPosition(text.indexOf("résumé"));
        w->Memo1->setTextCursor(c);
        w->ActionTTXCursorExecute();
        EngineStarts();
        const int fin = wordAt("fin", 0);
        QCOMPARE(w->Memo1->textCursor().selectionStart(), fin);

        Settings.Highlight = false;
        const int before = w->Memo1->textCursor().selectionStart();
        wordAt("naïf", 0);
        QCOMPARE(w->Memo1->textCursor().selectionStart(), before);
        QCOMPARE(w->GaugeWordPosition->value(), int(LastSpoken().indexOf("naïf")));
    }

    void statusCaptionsAndClipboard() {
        auto w = Window({{"story.txt", "Words here."}}, [] { Settings.ConvertMode = 2; });
        QCOMPARE(w->ToolButtonTTX->defaultAction(), w->ActionTTM);
        QCOMPARE(w->ActionTTXCursor->text(), QString("Read from Cursor to MP3 File"));
        QCOMPARE(w->ActionTTXSelected->text(), QString("Read Selected Text to MP3 File"));

        // Read Selected is offered only with a selection and no document being read.
        w->Playback1Click();
        QVERIFY(!w->ActionTTXSelected->isEnabled());
        w->Memo1->selectAll();
        w->PopupMenuMemoPopup();
        QVERIFY(w->ActionTTXSelected->isEnabled());

        QGuiApplication::clipboard()->clear();
        const int spoken = TextsSpoken();
        w->ActionReadClipboardExecute();
        QCOMPARE(TextsSpoken(), spoken);
        QCOMPARE(Settings.ConvertMode, 2);

        QGuiApplication::clipboard()->setText("from the clipboard");
        w->ActionReadClipboardExecute();
        QCOMPARE(LastSpoken(), QString("from the clipboard\r\n"));
        QCOMPARE(Settings.ConvertMode, 0);
        QCOMPARE(w->ToolButtonTTX->defaultAction(), w->ActionTTS);
        QCOMPARE(w->ActionTTXSelected->text(), QString("Read Selected Text Aloud"));
        EngineStarts();
        // A clipboard reading leaves the editor alone.
        QVERIFY(!w->Memo1->isReadOnly());
        QCOMPARE(w->PanelStatus->text(), QString("Reading Clipboard Aloud"));
        QCOMPARE(w->TrayTipText(), QString("Reading Clipboard Aloud | NURVA"));
        w->Playback1Click();
        QVERIFY(w->ActionTTXSelected->isEnabled());
        EngineStops();
        QCOMPARE(w->PanelStatus->text(), QString("story"));
        QCOMPARE(w->TrayTipText(), QString("story | NURVA [Stopped]"));
    }

    // The chosen voice is stored by its name beside its number, and found by the name when
    // voices come and go; a file with the number alone counts the first engine's voices.
    void storedVoiceFollowsItsName() {
        CurrentScript().modeNames = {"Alpha Male", "Beta Female", "Gamma"};
        {
            auto w = Window({{"a.txt", "a"}});
            w->ComboBoxExEngines->setCurrentIndex(2);
            emit w->ComboBoxExEngines->activated(2);
            QCOMPARE(Settings.EngineName, QString("Gamma"));
            QCOMPARE(Settings.EngineIndex, 2);
        } // saved as the window closes
        CurrentScript().modeNames = {"New One", "Alpha Male", "Beta Female", "Gamma"};
        {
            auto w = Window({{"a.txt", "a"}}, [this] { LoadSettings(App()); });
            QCOMPARE(w->ComboBoxExEngines->currentIndex(), 3);
            QCOMPARE(Settings.EngineIndex, 3); // the number follows, for older readers
            w->ActionTTSExecute();
            QCOMPARE(Last()->modeIndex, 3);
            EngineStops();
        }
        {
            auto w = Window({{"a.txt", "a"}}, [] {
                Settings.EngineName.clear();
                Settings.EngineIndex = 2;
            });
            QCOMPARE(Settings.EngineName, QString("Beta Female"));
        }
        // A name that is gone: the first voice.
        auto w = Window({{"a.txt", "a"}}, [] { Settings.EngineName = "Omega"; });
        QCOMPARE(w->ComboBoxExEngines->currentIndex(), 0);
        QCOMPARE(Settings.EngineName, QString("New One"));
    }

    // A voice that plays on a sound output of its own reads aloud, and refuses to convert.
    void voiceThatPlaysItselfDoesNotConvert() {
        CurrentScript().modeNames = {"Alpha Male", "Service Voice"};
        CurrentScript().playItself = {"Service Voice"};
        auto w = Window({{"a.txt", "some text"}}, [] { Settings.EngineName = "Service Voice"; });
        Messages messages;
        for (auto convert : {&TFormCvt::ActionTTWExecute, &TFormCvt::ActionTTMExecute}) {
            const std::size_t texts = CurrentLog().texts.size();
            ((*w).*convert)();
            QCOMPARE(CurrentLog().texts.size(), texts);
            QVERIFY(!messages.texts.isEmpty());
            QVERIFY2(messages.texts.last().contains("not into a WAV or MP3 file"),
                     qPrintable(messages.texts.last()));
            QVERIFY(w->ActionTTS->isEnabled());
        }
        QVERIFY(QDir(App() + "wav").entryList(QDir::Files).isEmpty());
        w->ActionTTSExecute();
        QCOMPARE(Last()->modeIndex, 1);
        EngineStops();
    }

    void voiceListAndImages() {
        CurrentScript().modeNames = {"Alpha Male",   "Beta Female", "Mike",           "Mary Jane",
                                     "RoboSoft Six", "Gamma",       "Female and Male"};
        auto w = Window({{"a.txt", "a"}}, [] { Settings.EngineIndex = 9; });
        QList<int> images;
        for (int i = 0; i < w->ComboBoxExEngines->count(); ++i)
            images << w->ComboBoxExEngines->itemData(i, Qt::UserRole).toInt();
        QCOMPARE(images, QList<int>({0, 1, 2, 3, 4, 5, 0}));
        QCOMPARE(w->ComboBoxExEngines->itemIcon(1).pixmap(16, 16).toImage(),
                 QIcon(":/voices/voice1.png").pixmap(16, 16).toImage());
        QVERIFY(w->ComboBoxExEngines->itemIcon(1).pixmap(16, 16).toImage() !=
                w->ComboBoxExEngines->itemIcon(0).pixmap(16, 16).toImage());
        // A stored voice beyond the list: the first voice, for the readings too.
        QCOMPARE(w->ComboBoxExEngines->currentIndex(), 0);
        QCOMPARE(Settings.EngineIndex, 0);
        w->ActionTTSExecute();
        QCOMPARE(Last()->modeIndex, 0);
        EngineStops();

        // The user's pick takes effect at the next reading.
        w->ComboBoxExEngines->setCurrentIndex(3);
        QCOMPARE(Settings.EngineIndex, 0); // not a user's pick
        emit w->ComboBoxExEngines->activated(3);
        QCOMPARE(Settings.EngineIndex, 3);
        w->ActionTTSExecute();
        QCOMPARE(Last()->modeIndex, 3);
        QCOMPARE(CurrentLog().injected.back(), std::string("\\Spd=150\\"));
    }

    void slidersAndTheirTexts() {
        for (int stored : {900, 20}) {
            auto w = Window({{"a.txt", "a"}}, [&] { Settings.Spd = stored; });
            QCOMPARE(Settings.Spd, stored > 500 ? 500 : 50);
            QCOMPARE(w->TrackBarSpd->value(), Settings.Spd);
        }
        auto w = Window({{"a.txt", "a"}});
        w->TrackBarSpd->setValue(50);
        QCOMPARE(w->PanelStatus->text(),
                 QString(" Speed: 0% [50] -- Left/Right arrow key to Fine-tune"));
        w->TrackBarSpd->setValue(150);
        QCOMPARE(w->PanelStatus->text(),
                 QString(" Speed: 22% [150] -- Left/Right arrow key to Fine-tune"));
        QCOMPARE(Settings.Spd, 150);
        w->TrackBarVol->setValue(32768);
        QCOMPARE(w->PanelStatus->text(),
                 QString(" Volume: 50% [32768] -- Left/Right arrow key to Fine-tune"));
        w->TrackBarVol->setValue(0);
        QCOMPARE(w->PanelStatus->text(),
                 QString(" Volume: 0% [0] -- Left/Right arrow key to Fine-tune"));
    }

    void controlTags() {
        auto w = Window({{"a.txt", "abc def"}});
        auto caretAt = [&](int pos, int length = 0) {
            QTextCursor c = w->Memo1->textCursor();
            c.setPosition(pos);
            c.setPosition(pos + length, QTextCursor::KeepAnchor);
            w->Memo1->setTextCursor(c);
        };
        caretAt(0);
        w->ActionToolsShortPause->trigger();
        QCOMPARE(w->Memo1->toPlainText(), QString("\\Pau=1000\\abc def"));
        QCOMPARE(w->Memo1->textCursor().position(), 0);

        // Before a selection, which stays in the text but is no longer selected.
        w->Memo1->setPlainText("abc def");
        caretAt(4, 3);
        w->ActionToolsWhisper->trigger();
        QCOMPARE(w->Memo1->toPlainText(), QString("abc \\Chr=\"Whisper\"\\def"));
        QVERIFY(!w->Memo1->textCursor().hasSelection());
        QCOMPARE(w->Memo1->textCursor().position(), 4);

        Settings.ShortPau = 2;
        Settings.LongPau = 12;
        const QList<QPair<QAction*, QString>> tags = {
            {w->ActionToolsShortPause, "\\Pau=2000\\"},
            {w->ActionToolsLongPause, "\\Pau=12000\\"},
            {w->ActionToolsMonotone, "\\Chr=\"Monotone\"\\"},
            {w->ActionToolsNormal, "\\Chr=\"Normal\"\\"},
            {w->ActionToolsEmp, "\\Emp\\"},
            {w->ActionToolsVol, "\\Vol=32768\\"},
            {w->ActionToolsSpd, "\\Spd=150\\"},
            {w->ActionToolsPit, "\\Pit=50\\"}};
        for (const auto& [action, tag] : tags) {
            w->Memo1->setPlainText("x");
            caretAt(1);
            action->trigger();
            QCOMPARE(w->Memo1->toPlainText(), "x" + tag);
        }
    }

    void keyToSpeech() {
        auto w = Window({{"a.txt", ""}}, [] {
            Settings.KeyToSpeech = true;
            Settings.ConvertMode = 1;
        });
        w->Memo1->setFocus();
        QTest::keyClick(w->Memo1, Qt::Key_B);
        QCOMPARE(TextsSpoken(), 1);
        QCOMPARE(LastSpoken(), QString("b\r\n"));
        QCOMPARE(Settings.ConvertMode, 0);
        QCOMPARE(w->CurrentReadKind(), rkNone);
        QCOMPARE(w->Memo1->toPlainText(), QString("b"));
        EngineStarts();
        QVERIFY(!w->Memo1->isReadOnly()); // a free text does not lock the editor
        EngineStops();

        Settings.KeyToSpeech = false;
        QTest::keyClick(w->Memo1, Qt::Key_C);
        QCOMPARE(TextsSpoken(), 1);
        QCOMPARE(w->Memo1->toPlainText(), QString("bc"));
    }

    void greeting() {
        auto w = Window({{"a.txt", "a"}}, [] {
            Settings.Greeting = true;
            Settings.GreetingString = "Hello there";
        });
        QCOMPARE(LastSpoken(), QString("Hello there\r\n"));
        QCOMPARE(w->CurrentReadKind(), rkNone);
        const int spoken = TextsSpoken();
        w.reset();
        Window({{"a.txt", "a"}}, [] {
            Settings.Greeting = true;
            Settings.ConvertMode = 1;
        });
        QCOMPARE(TextsSpoken(), spoken);
    }
};

QTEST_MAIN(TestReading)
#include "tst_Reading.moc"
