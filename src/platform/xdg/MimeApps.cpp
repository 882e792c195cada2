// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/xdg/MimeApps.h"

#include "platform/xdg/ShellCommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QSaveFile>
#include <QStandardPaths>

#include <optional>
#include <vector>

namespace platform::mimeapps {

namespace {

const QString DefaultGroup = QStringLiteral("Default Applications");
const QString AddedGroup = QStringLiteral("Added Associations");
const QString RemovedGroup = QStringLiteral("Removed Associations");
const QString CacheGroup = QStringLiteral("MIME Cache");
const QString EntryGroup = QStringLiteral("Desktop Entry");

// The groups of a key file, each key with its value as written (lists keep their ";").
using TKeyFile = QHash<QString, QHash<QString, QString>>;

TKeyFile ReadKeyFile(const QString& path) {
    TKeyFile groups;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return groups;
    QString group;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            group = line.mid(1, line.size() - 2);
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0 || group.isEmpty())
            continue;
        const QString key = line.left(equals).trimmed();
        // The first of a key counts, as in GLib's reader.
        if (!groups[group].contains(key))
            groups[group][key] = line.mid(equals + 1).trimmed();
    }
    return groups;
}

QStringList ListValue(const QString& value) {
    QStringList items;
    for (const QString& item : value.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        if (!item.trimmed().isEmpty())
            items << item.trimmed();
    return items;
}

QStringList Folders(const char* variable, const QString& fallback) {
    QStringList folders;
    for (const QString& dir : qEnvironmentVariable(variable).split(QLatin1Char(':')))
        if (QDir::isAbsolutePath(dir))
            folders << QDir::cleanPath(dir);
    return folders.isEmpty() ? fallback.split(QLatin1Char(':')) : folders;
}

QString ConfigHome() {
    const QString home = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (QDir::isAbsolutePath(home))
        return QDir::cleanPath(home);
    return QDir::homePath() + QStringLiteral("/.config");
}

// The desktops of this session, as the desktop-specific lists are named after them.
QStringList CurrentDesktops() {
    QStringList desktops;
    for (const QString& d :
         qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        desktops << d.toLower();
    return desktops;
}

// The desktop entries of a folder by their ids: "a/b.desktop" below it is "a-b.desktop".
QMap<QString, QString> EntriesIn(const QString& folder) {
    QMap<QString, QString> entries;
    QDirIterator it(folder, {QStringLiteral("*.desktop")}, QDir::Files,
                    QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString id =
            QDir(folder).relativeFilePath(path).replace(QLatin1Char('/'), QLatin1Char('-'));
        if (!entries.contains(id))
            entries[id] = path;
    }
    return entries;
}

// What one folder of the order says about the type, its files merged as GLib merges them:
// the earlier file wins where two disagree.
struct TTweaks {
    QStringList Defaults, Additions, Removals;
};

void Merge(const TKeyFile& file, const QString& mime, const QString& addedGroup, bool tweaks,
           TTweaks& into) {
    if (tweaks && !addedGroup.isEmpty())
        for (const QString& id : ListValue(file.value(addedGroup).value(mime)))
            if (!into.Additions.contains(id) && !into.Removals.contains(id))
                into.Additions << id;
    if (tweaks)
        for (const QString& id : ListValue(file.value(RemovedGroup).value(mime)))
            if (!into.Removals.contains(id) && !into.Additions.contains(id))
                into.Removals << id;
    for (const QString& id : ListValue(file.value(DefaultGroup).value(mime)))
        if (!into.Defaults.contains(id))
            into.Defaults << id;
}

struct TFolder {
    QString Path;
    bool Data = false; // holds desktop entries (else a configuration folder)
    TTweaks Tweaks;
    QMap<QString, QString> Entries;
};

std::vector<TFolder> Order(const QString& mime) {
    std::vector<TFolder> folders;
    folders.push_back({ConfigHome(), false, {}, {}});
    for (const QString& dir : Folders("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg")))
        folders.push_back({dir, false, {}, {}});
    folders.push_back({XdgDataHome() + QStringLiteral("/applications"), true, {}, {}});
    for (const QString& dir :
         Folders("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share")))
        folders.push_back({dir + QStringLiteral("/applications"), true, {}, {}});
    const QStringList desktops = CurrentDesktops();
    for (TFolder& f : folders) {
        // A desktop's own list may only name defaults.
        for (const QString& desktop : desktops)
            Merge(
                ReadKeyFile(f.Path + QLatin1Char('/') + desktop + QStringLiteral("-mimeapps.list")),
                mime, AddedGroup, false, f.Tweaks);
        Merge(ReadKeyFile(f.Path + QStringLiteral("/mimeapps.list")), mime, AddedGroup, true,
              f.Tweaks);
        if (!f.Data)
            continue;
        Merge(ReadKeyFile(f.Path + QStringLiteral("/defaults.list")), mime, {}, false, f.Tweaks);
        Merge(ReadKeyFile(f.Path + QStringLiteral("/mimeinfo.cache")), mime, CacheGroup, true,
              f.Tweaks);
        f.Entries = EntriesIn(f.Path);
    }
    return folders;
}

bool Runnable(const QString& program) {
    if (program.isEmpty())
        return true;
    if (QDir::isAbsolutePath(program))
        return QFileInfo(program).isExecutable();
    return !QStandardPaths::findExecutable(program).isEmpty();
}

// Whether a folder's entry of that id makes a program that can be started.
bool Loads(const QString& path) {
    const QHash<QString, QString> entry = ReadKeyFile(path).value(EntryGroup);
    return entry.value(QStringLiteral("Type")) == QLatin1String("Application") &&
           entry.value(QStringLiteral("Hidden")) != QLatin1String("true") &&
           Runnable(entry.value(QStringLiteral("TryExec")));
}

bool Installed(const std::vector<TFolder>& folders, const QString& id) {
    for (const TFolder& f : folders)
        if (f.Entries.contains(id) && Loads(f.Entries.value(id)))
            return true;
    return false;
}

// An association a folder makes for a program whose entry an earlier folder holds is that
// earlier entry's business.
bool Masked(const std::vector<TFolder>& folders, std::size_t folder, const QString& id) {
    for (std::size_t i = 0; i < folder; ++i)
        if (folders[i].Entries.contains(id))
            return true;
    return false;
}

QString WriteWhole(const QString& path, const QByteArray& bytes) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return QCoreApplication::translate("MimeApps", "Cannot create the folder %1.")
            .arg(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return {};
    return QCoreApplication::translate("MimeApps", "Cannot write %1: %2")
        .arg(path, file.errorString());
}

} // namespace

QString WriteCache(const QString& folder) {
    QMap<QString, QStringList> types; // sorted by type, each program once
    const QMap<QString, QString> entries = EntriesIn(folder);
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        const QHash<QString, QString> entry = ReadKeyFile(it.value()).value(EntryGroup);
        if (entry.value(QStringLiteral("Hidden")) == QLatin1String("true"))
            continue;
        for (const QString& type : ListValue(entry.value(QStringLiteral("MimeType"))))
            if (!types[type].contains(it.key()))
                types[type] << it.key();
    }
    QByteArray text = "[MIME Cache]\n";
    for (auto it = types.begin(); it != types.end(); ++it)
        text += (it.key() + QLatin1Char('=') + it.value().join(QLatin1Char(';')) +
                 QStringLiteral(";\n"))
                    .toUtf8();
    return WriteWhole(folder + QStringLiteral("/mimeinfo.cache"), text);
}

QString DefaultFor(const QString& mime, const QStringList& ignored, bool* chosen) {
    const std::vector<TFolder> folders = Order(mime);
    if (chosen)
        *chosen = false;
    // A default that is installed comes first, from whichever folder names it.
    for (const TFolder& f : folders)
        for (const QString& id : f.Tweaks.Defaults)
            if (!ignored.contains(id) && Installed(folders, id)) {
                if (chosen)
                    *chosen = true;
                return id;
            }
    // Then the first association, folder by folder; a removal holds for the folders after.
    QStringList removed;
    for (std::size_t i = 0; i < folders.size(); ++i) {
        for (const QString& id : folders[i].Tweaks.Additions)
            if (!ignored.contains(id) && !removed.contains(id) && !Masked(folders, i, id) &&
                Installed(folders, id))
                return id;
        for (const QString& id : folders[i].Tweaks.Removals)
            if (!Masked(folders, i, id))
                removed << id;
    }
    return {};
}

QString SetUserDefault(const QString& mime, const QString& id) {
    const QString path = ConfigHome() + QStringLiteral("/mimeapps.list");
    QByteArray old;
    if (QFile file(path); file.exists()) {
        if (!file.open(QIODevice::ReadOnly))
            return QCoreApplication::translate("MimeApps", "Cannot read %1: %2")
                .arg(path, file.errorString());
        old = file.readAll();
    }
    QList<QByteArray> lines = old.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the final line break
    const QByteArray entry = (mime + QLatin1Char('=') + id + QLatin1Char(';')).toUtf8();
    std::optional<qsizetype> group;
    bool done = false;
    for (qsizetype i = 0; i < lines.size() && !done; ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line.startsWith('[')) {
            if (group) // the group ends without the type: it goes first in it
                break;
            if (line == "[" + DefaultGroup.toUtf8() + "]")
                group = i;
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (group && equals > 0 && line.left(equals).trimmed() == mime.toUtf8()) {
            lines[i] = entry;
            done = true;
        }
    }
    if (!done && group)
        lines.insert(*group + 1, entry);
    else if (!done)
        lines << "[" + DefaultGroup.toUtf8() + "]" << entry;
    return WriteWhole(path, lines.join('\n') + '\n');
}

} // namespace platform::mimeapps
