// SPDX-License-Identifier: GPL-3.0-or-later
// The lexicon the engine applies: read from its file when the first voice is bound, and again
// whenever the file has changed on disk since; the faults it finds are told once.
#include "Lexicon.h"

#include "KoUtils.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QSaveFile>
#include <QSet>
#include <QThread>

#include <optional>
#include <sys/stat.h>

namespace engines {

namespace {

// What tells that a file changed: its identity, size and times to the nanosecond.
struct FileStamp {
    bool Exists = false;
    dev_t Device = 0;
    ino_t Inode = 0;
    off_t Size = 0;
    std::int64_t Modified = 0, Changed = 0;

    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

FileStamp StampOf(const QString& path) {
    struct stat st {};
    if (::stat(KoUtils::EncodeFileName(path).constData(), &st) != 0)
        return {};
    return {true,
            st.st_dev,
            st.st_ino,
            st.st_size,
            std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
            std::int64_t(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec};
}

std::mutex gMutex;
std::shared_ptr<const Lexicon> gCurrent = std::make_shared<Lexicon>();
std::optional<FileStamp> gStamp; // of the file the current lexicon holds, once it was read
QSet<QByteArray> gTold;          // faults told by this process
LexiconDialogHook gDialog;

// A faulty line as the seen list keeps it.
QByteArray Mark(const QByteArray& line) {
    return QCryptographicHash::hash(line, QCryptographicHash::Sha1).toHex();
}

QSet<QByteArray> SeenMarks() {
    QSet<QByteArray> marks;
    QFile file(KoUtils::Folders().LexiconSeenFile());
    if (file.open(QIODevice::ReadOnly))
        for (const QByteArray& line : file.read(1 << 20).split('\n'))
            if (!line.trimmed().isEmpty())
                marks.insert(line.trimmed());
    return marks;
}

// Reads the file into the current lexicon; the lexicon read, and the message for the user.
std::shared_ptr<const Lexicon> Reload(QString* message) {
    const QString path = LexiconPath();
    // The stamp before the reading: a change while it reads is read again next time.
    const FileStamp stamp = StampOf(path);
    auto lexicon = std::make_shared<Lexicon>();
    QString error;
    const bool read = lexicon->Load(path, nullptr, &error);
    std::vector<QByteArray> lines;
    QStringList problems = read ? lexicon->Problems(&lines) : QStringList();
    {
        std::lock_guard lock(gMutex);
        gCurrent = lexicon;
        gStamp = stamp;
    }
    if (!message)
        return lexicon;
    if (!read) {
        //: %1 is the lexicon's file, %2 why it could not be read
        *message = QCoreApplication::translate("CurrentLexicon",
                                               "The pronunciation lexicon \"%1\" could not be "
                                               "read: %2\nReading goes on without it.")
                       .arg(path, error);
        return lexicon;
    }
    // Faults the user has seen in the lexicon dialog, or was told of by this process, are not
    // told again.
    const QSet<QByteArray> seen = problems.isEmpty() ? QSet<QByteArray>() : SeenMarks();
    QStringList told;
    {
        std::lock_guard lock(gMutex);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const QByteArray mark = Mark(lines[i]);
            if (seen.contains(mark) || gTold.contains(mark))
                continue;
            gTold.insert(mark);
            told << problems[qsizetype(i)];
        }
    }
    if (told.isEmpty())
        return lexicon;
    constexpr int kShown = 10;
    QStringList shown = told.mid(0, kShown);
    if (told.size() > kShown)
        //: after the first lines that need a look: the number of the others
        shown << QCoreApplication::translate("CurrentLexicon", "... and %n more", nullptr,
                                             int(told.size() - kShown));
    //: %1 is the lexicon's file, %2 its lines that need a look. "Options", "Prosody" and
    //: "Pronunciation Manager" are the names of the dialog, its page and its button.
    *message =
        QCoreApplication::translate(
            "CurrentLexicon", "The pronunciation lexicon \"%1\" has lines that need a look. "
                              "Lines that are not entries are not used, and every line stays in "
                              "the file as it is:\n%2\n\n"
                              "To mend or remove them: Options, page \"Prosody\", "
                              "\"Pronunciation Manager\", which shows them marked; or edit the "
                              "file, where a line starting with # is a comment.")
            .arg(path, shown.join(u'\n'));
    return lexicon;
}

// Tells the user at once, or, while the event loop runs, once it is back there: a message box
// in the middle of starting a reading would let the loop run into it.
void Tell(const QString& message) {
    if (message.isEmpty())
        return;
    QCoreApplication* app = QCoreApplication::instance();
    if (app && QThread::currentThread() == app->thread() &&
        QThread::currentThread()->loopLevel() > 0) {
        QMetaObject::invokeMethod(
            app, [message] { KoUtils::ShowMessageBox(message, KoUtils::MB_ICONWARNING); },
            Qt::QueuedConnection);
        return;
    }
    KoUtils::ShowMessageBox(message, KoUtils::MB_ICONWARNING);
}

} // namespace

QString LexiconPath() {
    return KoUtils::Folders().LexiconFile();
}

std::shared_ptr<const Lexicon> CurrentLexicon() {
    std::optional<FileStamp> known;
    {
        std::lock_guard lock(gMutex);
        if (!gStamp)
            return gCurrent;
        known = gStamp;
    }
    if (StampOf(LexiconPath()) == *known) {
        std::lock_guard lock(gMutex);
        return gCurrent;
    }
    QString message;
    auto lexicon = Reload(&message);
    Tell(message);
    return lexicon;
}

void SetCurrentLexicon(std::shared_ptr<const Lexicon> lexicon) {
    const FileStamp stamp = StampOf(LexiconPath());
    std::lock_guard lock(gMutex);
    gCurrent = lexicon ? std::move(lexicon) : std::make_shared<Lexicon>();
    gStamp = stamp;
}

QString ReloadLexicon() {
    QString message;
    Reload(&message);
    return message;
}

void PrepareLexicon() {
    std::optional<FileStamp> known;
    {
        std::lock_guard lock(gMutex);
        known = gStamp;
    }
    if (!known || StampOf(LexiconPath()) != *known)
        Tell(ReloadLexicon());
}

bool ReadLexiconForDialog(Lexicon& out, QString* error) {
    const QString path = LexiconPath();
    const FileStamp stamp = StampOf(path);
    auto lexicon = std::make_shared<Lexicon>();
    if (!lexicon->Load(path, nullptr, error))
        return false;
    out = *lexicon;
    std::lock_guard lock(gMutex);
    gCurrent = std::move(lexicon);
    gStamp = stamp;
    return true;
}

void MarkLexiconFaultsSeen(const Lexicon& lexicon) {
    std::vector<QByteArray> lines;
    lexicon.Problems(&lines);
    QSet<QByteArray> marks;
    for (const QByteArray& line : lines)
        marks.insert(Mark(line));
    // Only the faults the file has now: the list never grows beyond the file.
    const QString path = KoUtils::Folders().LexiconSeenFile();
    if (marks.isEmpty()) {
        QFile::remove(path);
        return;
    }
    if (marks == SeenMarks())
        return;
    QByteArray bytes;
    for (const QByteArray& mark : marks)
        bytes += mark + '\n';
    // A list that cannot be written only means the warning comes again.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        file.commit();
}

void SetLexiconDialog(LexiconDialogHook hook) {
    std::lock_guard lock(gMutex);
    gDialog = std::move(hook);
}

LexiconDialogHook LexiconDialog() {
    std::lock_guard lock(gMutex);
    return gDialog;
}

} // namespace engines
