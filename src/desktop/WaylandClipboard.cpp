// SPDX-License-Identifier: GPL-3.0-or-later
#include "WaylandClipboard.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace desktop {

namespace {

const QString WlPaste = QStringLiteral("wl-paste");

// How long the watch must live before it is taken as working: a compositor without
// data-control has it end at once. Only then is the clipboard asked whether something is copied
// already; without data-control that question would map a window of wl-paste's to get the focus.
constexpr int WatchSettleMs = 300;

QString& ProblemText() {
    static QString problem;
    return problem;
}

// What the user is told when the watch ends: `said` is wl-paste's own first line.
QString WatchFailure(const QString& said) {
    if (said.contains(QLatin1String("data-control")))
        return QCoreApplication::translate(
            "WaylandClipboard",
            "This desktop does not let programs watch the clipboard (it lacks the data-control "
            "protocol, as GNOME does): copied text is offered only while the reader's window is "
            "in front. Read Clipboard and paste still work.");
    return QCoreApplication::translate(
               "WaylandClipboard",
               "The clipboard cannot be watched (wl-paste: %1): copied text is offered "
               "only while the reader's window is in front. Read Clipboard and paste "
               "still work.")
        .arg(said);
}

} // namespace

TWaylandClipboardWatch::TWaylandClipboardWatch(QObject* owner)
    : QObject(owner), FProbe(this), FWatch(this) {
    connect(&FWatch, &QProcess::readyReadStandardOutput, this,
            &TWaylandClipboardWatch::WatchOutput);
    connect(&FWatch, &QProcess::finished, this, &TWaylandClipboardWatch::WatchFinished);
    connect(&FWatch, &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            Fail(tr("The clipboard cannot be watched: wl-paste (of wl-clipboard) "
                    "is not installed. Read Clipboard and paste still work."));
    });
    connect(&FProbe, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
        // Types listed: something is copied, and the watch's first line announces it.
        FSkipFirst = status == QProcess::NormalExit && code == 0;
        FDecided = true;
        WatchOutput();
    });
}

TWaylandClipboardWatch::~TWaylandClipboardWatch() {
    Stop();
}

QString TWaylandClipboardWatch::Problem() {
    return ProblemText();
}

void TWaylandClipboardWatch::Start() {
    if (Watching())
        return;
    FStopping = false;
    ProblemText().clear();
    FSkipFirst = false;
    FDecided = false;
    // One line for each change: wl-paste runs the command with the new contents on its input.
    FWatch.start(WlPaste,
                 {QStringLiteral("--no-newline"), QStringLiteral("--watch"), QStringLiteral("sh"),
                  QStringLiteral("-c"), QStringLiteral("cat >/dev/null; echo")});
    QTimer::singleShot(WatchSettleMs, this, [this] {
        if (!Watching() || FProbe.state() != QProcess::NotRunning)
            return;
        FProbe.start(WlPaste, {QStringLiteral("--list-types")});
        if (!FProbe.waitForStarted(ClipboardReadTimeoutMs)) {
            FDecided = true;
            WatchOutput();
            return;
        }
        // A probe that does not answer decides nothing: every line is a change.
        QTimer::singleShot(ClipboardReadTimeoutMs, &FProbe, [this] {
            if (FProbe.state() != QProcess::NotRunning)
                FProbe.kill();
        });
    });
}

void TWaylandClipboardWatch::Stop() {
    FStopping = true;
    for (QProcess* p : {&FProbe, &FWatch}) {
        if (p->state() == QProcess::NotRunning)
            continue;
        p->kill();
        p->waitForFinished(2000);
    }
}

void TWaylandClipboardWatch::WatchOutput() {
    // Until the probe has answered, nobody knows whether the first line is a change.
    if (!FDecided || !FWatch.canReadLine())
        return;
    // The first line only is the announcement of what was copied before.
    bool any = false;
    while (FWatch.canReadLine()) {
        FWatch.readLine();
        if (FSkipFirst)
            FSkipFirst = false;
        else
            any = true;
    }
    if (any)
        emit changed();
}

void TWaylandClipboardWatch::WatchFinished() {
    if (FStopping)
        return;
    QString said = QString::fromLocal8Bit(FWatch.readAllStandardError()).trimmed();
    said = said.section(QLatin1Char('\n'), 0, 0);
    if (said.isEmpty())
        //: %1 is the exit code of the wl-paste program
        said = tr("wl-paste ended with %1").arg(FWatch.exitCode());
    Fail(WatchFailure(said));
}

void TWaylandClipboardWatch::Fail(const QString& problem) {
    ProblemText() = problem;
    emit failed();
}

TClipboardText ReadWaylandClipboard(int timeoutMs, bool primary) {
    QProcess paste;
    QStringList args{QStringLiteral("--no-newline"), QStringLiteral("--type"),
                     QStringLiteral("text")};
    if (primary)
        args.prepend(QStringLiteral("--primary"));
    QByteArray data;
    bool tooLarge = false;
    qint64 size = 0;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&paste, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&paste, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    // Larger texts are taken to their end all the same, each piece dropped: the owner is not
    // left hanging in the middle.
    auto take = [&] {
        const QByteArray piece = paste.readAllStandardOutput();
        size += piece.size();
        if (size > MaxClipboardBytes) {
            tooLarge = true;
            data.clear();
        } else {
            data += piece;
        }
    };
    QObject::connect(&paste, &QProcess::readyReadStandardOutput, &loop, [&] {
        take();
        deadline.start(timeoutMs); // each piece may take this long
    });
    paste.start(WlPaste, args);
    deadline.start(timeoutMs);
    if (paste.state() != QProcess::NotRunning || paste.error() != QProcess::FailedToStart)
        loop.exec();
    if (paste.error() == QProcess::FailedToStart)
        return {};
    if (paste.state() != QProcess::NotRunning) {
        paste.kill();
        paste.waitForFinished(2000);
        return {TClipboardText::TimedOut, {}};
    }
    take();
    // Nothing copied, or nothing of it text: wl-paste says so and fails.
    if (paste.exitStatus() != QProcess::NormalExit || paste.exitCode() != 0)
        return {};
    if (tooLarge) {
        TClipboardText t;
        t.State = TClipboardText::TooLarge;
        t.Size = size;
        return t;
    }
    return {TClipboardText::Text, QString::fromUtf8(data)};
}

} // namespace desktop
