// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/xdg/ShellCommands.h"

#include "platform/xdg/MimeApps.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTranslator>

#include <array>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

namespace platform {

namespace {

struct TVerbFiles {
    TShellVerb Verb;
    const char* Name;   // the menu text, also the Nautilus script's name
    const char* Job;    // the command-line switch
    const char* Entry;  // the desktop entry's file name
    const char* Action; // the service menu's action
    bool AllAtOnce;     // the selected files go to one run, which reads them in turn
};

constexpr std::array<TVerbFiles, 3> Verbs = {{
    {TShellVerb::ReadAloud, QT_TRANSLATE_NOOP("ShellCommands", "Read Aloud"), "/tts",
     "nurva-read-aloud.desktop", "ReadAloud", true},
    {TShellVerb::ReadToWav, QT_TRANSLATE_NOOP("ShellCommands", "Read to WAV"), "/ttw",
     "nurva-read-to-wav.desktop", "ReadToWav", false},
    {TShellVerb::ReadToMp3, QT_TRANSLATE_NOOP("ShellCommands", "Read to MP3"), "/ttm",
     "nurva-read-to-mp3.desktop", "ReadToMp3", false},
}};

//: A command in a file manager's menu: "Read Aloud with Nurva"
const char* const EntryName = QT_TRANSLATE_NOOP("ShellCommands", "%1 with %2");

// The submenu of the service menu and the folder of the Nautilus scripts; where a file manager
// lists a command among other programs, its name says whose it is.
const QString MenuName = QStringLiteral("Nurva");

const TVerbFiles& Files(TShellVerb verb) {
    for (const TVerbFiles& v : Verbs)
        if (v.Verb == verb)
            return v;
    return Verbs[0];
}

QString EntryPath(const TVerbFiles& v) {
    return GetTxtShellKey() + QLatin1String(v.Entry);
}

QString ServiceMenuPath() {
    return XdgDataHome() + QStringLiteral("/kio/servicemenus/nurva-text.desktop");
}

QString ScriptFolder() {
    return XdgDataHome() + QStringLiteral("/nautilus/scripts/") + MenuName;
}

// A command's name in a file manager that shows it as it stands, in the user's language.
QString FileName(const QString& name) {
    return QString(name).replace(QLatin1Char('/'), QLatin1Char('-'));
}

QString ScriptPath(const TVerbFiles& v) {
    return ScriptFolder() + QLatin1Char('/') +
           FileName(QCoreApplication::translate("ShellCommands", v.Name));
}

// The program's translations, by language ("de" for nurva_de.qm), each loaded on its own: a
// desktop entry names a command in every language, whichever the program runs in.
const std::vector<std::pair<QString, std::unique_ptr<QTranslator>>>& Translations() {
    static const auto loaded = [] {
        std::vector<std::pair<QString, std::unique_ptr<QTranslator>>> all;
        const QString prefix = QStringLiteral("nurva_"), suffix = QStringLiteral(".qm");
        for (const QString& file :
             QDir(QStringLiteral(":/i18n")).entryList({prefix + u'*' + suffix})) {
            auto translator = std::make_unique<QTranslator>();
            if (translator->load(QStringLiteral(":/i18n/") + file))
                all.emplace_back(
                    file.mid(prefix.size(), file.size() - prefix.size() - suffix.size()),
                    std::move(translator));
        }
        return all;
    }();
    return loaded;
}

// A command's name ("Read Aloud", with the program: "Read Aloud with Nurva") in the language of
// `translator`, in English without one or where it lacks the text.
QString CommandName(const TVerbFiles& v, bool withProgram, const QTranslator* translator) {
    auto translate = [translator](const char* text) {
        const QString t = translator ? translator->translate("ShellCommands", text) : QString();
        return t.isEmpty() ? QString::fromLatin1(text) : t;
    };
    const QString verb = translate(v.Name);
    return withProgram ? translate(EntryName).arg(verb, MenuName) : verb;
}

// The command's script under every name it may have been given, whichever language the
// program ran in when it was installed.
QStringList ScriptPaths(const TVerbFiles& v) {
    QStringList paths{ScriptFolder() + QLatin1Char('/') + QLatin1String(v.Name)};
    for (const auto& [language, translator] : Translations())
        paths << ScriptFolder() + QLatin1Char('/') +
                     FileName(CommandName(v, false, translator.get()));
    paths << ScriptPath(v);
    paths.removeDuplicates();
    return paths;
}

// A file manager is used when its folder in the data home exists or it is installed.
bool Used(const QString& folder, const QString& program) {
    return QFileInfo(XdgDataHome() + QLatin1Char('/') + folder).isDir() ||
           !QStandardPaths::findExecutable(program).isEmpty();
}

bool HasControlCharacter(const QString& text) {
    for (QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return true;
    return false;
}

// One argument of an Exec line in double quotes, then escaped once more as a string value.
QString QuoteExecArgument(const QString& arg) {
    QString quoted = QStringLiteral("\"");
    for (QChar c : arg) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted += QLatin1Char('"');
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    // A percent sign is a field code even inside quotes.
    quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return quoted;
}

// A string value of a desktop entry; empty when it holds a control character.
QString EntryString(const QString& value) {
    if (HasControlCharacter(value))
        return {};
    return QString(value).replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
}

// "Name=" and a "Name[xx]=" line for every translation that words the command differently.
QString NameLines(const TVerbFiles& v, bool withProgram) {
    const QString english = CommandName(v, withProgram, nullptr);
    QString lines = QStringLiteral("Name=%1\n").arg(EntryString(english));
    for (const auto& [language, translator] : Translations()) {
        const QString translated = CommandName(v, withProgram, translator.get());
        // A translation that holds a control character is passed over, not written broken.
        if (const QString value = EntryString(translated);
            translated != english && !value.isEmpty())
            lines += QStringLiteral("Name[%1]=%2\n").arg(language, value);
    }
    return lines;
}

// The Icon value: the program's picture where it is there, else the icon theme's.
QString IconValue(const QString& icon) {
    const QString file = EntryString(icon);
    return !file.isEmpty() && QFileInfo(icon).isFile() ? file : QStringLiteral("nurva");
}

// A word for the shell, in single quotes.
QString ShellQuote(const QString& word) {
    return QLatin1Char('\'') + QString(word).replace(QLatin1Char('\''), QStringLiteral("'\\''")) +
           QLatin1Char('\'');
}

// A value of an installed desktop entry ("Exec=", "Icon="); empty when there is none.
QString InstalledValue(const TVerbFiles& v, const char* key) {
    QFile file(EntryPath(v));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    bool inEntry = false;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('['))
            inEntry = line == "[Desktop Entry]";
        else if (inEntry && line.startsWith(key))
            return QString::fromUtf8(line.mid(qsizetype(std::strlen(key))));
    }
    return {};
}

// Temporary file and rename: a reader never sees half a file, and a failure leaves the old
// one as it was.
QString WriteFile(const QString& path, const QString& text, bool executable) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return QCoreApplication::translate("ShellCommands", "Cannot create the folder %1.")
            .arg(folder);
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(text.toUtf8());
        if (executable)
            file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                QFileDevice::ExeOther);
        if (file.commit())
            return {};
    }
    return QCoreApplication::translate("ShellCommands", "Cannot write %1: %2")
        .arg(path, file.errorString());
}

QString RemoveFile(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink())
        return {};
    if (file.remove())
        return {};
    return QCoreApplication::translate("ShellCommands", "Cannot remove %1: %2")
        .arg(path, file.errorString());
}

} // namespace

QString ShellCommandMimeTypes() {
    return QStringLiteral(
        "text/plain;text/markdown;text/html;application/xhtml+xml;application/epub+zip;application/"
        "pdf;application/vnd.oasis.opendocument.text;application/"
        "vnd.openxmlformats-officedocument.wordprocessingml.document;application/"
        "x-fictionbook+xml;application/rtf;text/rtf;");
}

QString XdgDataHome() {
    const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (!dataHome.isEmpty() && QDir::isAbsolutePath(dataHome))
        return QDir::cleanPath(dataHome);
    return QDir::homePath() + QStringLiteral("/.local/share");
}

QString GetTxtShellKey() {
    return XdgDataHome() + QStringLiteral("/applications/");
}

QString DesktopExec(const QString& program, const QStringList& arguments, bool files) {
    if (HasControlCharacter(program))
        return {};
    QString exec = QuoteExecArgument(program);
    // GLib looks for the program under its path before it turns "%%" back into "%", and so
    // drops such an entry; started through env, the path is only an argument.
    if (program.contains(QLatin1Char('%')))
        exec.prepend(QStringLiteral("env "));
    for (const QString& arg : arguments)
        exec += QLatin1Char(' ') + QuoteExecArgument(arg);
    return exec + (files ? QStringLiteral(" %F") : QStringLiteral(" %f"));
}

bool TXdgShellCommands::Fail(const QString& error) {
    FError = error;
    return false;
}

bool TXdgShellCommands::Install(TShellVerb verb, const QString& program, const QString& icon) {
    FError.clear();
    const TVerbFiles& v = Files(verb);
    const QString exec = DesktopExec(program, {QLatin1String(v.Job)}, v.AllAtOnce);
    if (exec.isEmpty())
        return Fail(QCoreApplication::translate("TXdgShellCommands",
                                                "The program's path holds a control character: %1")
                        .arg(program));
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n") +
                          NameLines(v, true) +
                          QStringLiteral("Icon=%1\n"
                                         "Exec=%2\n"
                                         "MimeType=%3\n"
                                         "NoDisplay=true\n"
                                         "Terminal=false\n")
                              .arg(IconValue(icon), exec, ShellCommandMimeTypes());
    if (QString error = WriteFile(EntryPath(v), entry, false); !error.isEmpty())
        return Fail(error);
    if (!Register(true))
        return false;
    if (Used(QStringLiteral("nautilus"), QStringLiteral("nautilus"))) {
        // Nautilus hands over the selected files by name, relative to the folder shown; made
        // absolute, a name that starts with "-" is never taken for a switch.
        const QString absolute = QStringLiteral("for f in \"$@\"; do\n"
                                                "    case $f in /*) ;; *) f=$PWD/$f ;; esac\n"
                                                "    set -- \"$@\" \"$f\"\n"
                                                "    shift\n"
                                                "done\n");
        const QString run = QStringLiteral("%1 %2").arg(ShellQuote(program), QLatin1String(v.Job));
        const QString script =
            v.AllAtOnce ? QStringLiteral("#!/bin/sh\n"
                                         "# %1 with %2: the selected files, one after the other.\n")
                                  .arg(QLatin1String(v.Name), MenuName) +
                              absolute + QStringLiteral("exec %1 \"$@\"\n").arg(run)
                        : QStringLiteral("#!/bin/sh\n"
                                         "# %1 with %2, for each selected file in turn.\n")
                                  .arg(QLatin1String(v.Name), MenuName) +
                              absolute +
                              QStringLiteral("for f in \"$@\"; do\n"
                                             "    %1 \"$f\"\n"
                                             "done\n")
                                  .arg(run);
        // A script left under another language's name would show the command twice.
        for (const QString& path : ScriptPaths(v))
            if (path != ScriptPath(v))
                if (QString error = RemoveFile(path); !error.isEmpty())
                    return Fail(error);
        if (QString error = WriteFile(ScriptPath(v), script, true); !error.isEmpty())
            return Fail(error);
    }
    return WriteServiceMenu();
}

bool TXdgShellCommands::Remove(TShellVerb verb) {
    FError.clear();
    const TVerbFiles& v = Files(verb);
    for (const QString& path : QStringList{EntryPath(v)} + ScriptPaths(v))
        if (QString error = RemoveFile(path); !error.isEmpty())
            return Fail(error);
    QDir().rmdir(ScriptFolder()); // only when no script is left in it
    return Register(false) && WriteServiceMenu();
}

bool TXdgShellCommands::Register(bool installed) {
    if (QString error = mimeapps::WriteCache(XdgDataHome() + QStringLiteral("/applications"));
        !error.isEmpty())
        return Fail(error);
    if (!installed)
        return true;
    // Where a kind of file the commands take would now open with one of them (no default
    // chosen, and the commands' folder comes before the system's), the program that opened it
    // until now is made the user's default. One the user chose stays.
    QStringList ours;
    for (const TVerbFiles& v : Verbs)
        ours << QLatin1String(v.Entry);
    for (const QString& type : ShellCommandMimeTypes().split(u';', Qt::SkipEmptyParts)) {
        bool chosen = false;
        const QString now = mimeapps::DefaultFor(type, {}, &chosen);
        if (chosen || !ours.contains(now))
            continue;
        const QString before = mimeapps::DefaultFor(type, ours);
        if (before.isEmpty())
            continue; // no other program takes these files
        if (QString error = mimeapps::SetUserDefault(type, before); !error.isEmpty())
            return Fail(error);
    }
    return true;
}

bool TXdgShellCommands::Installed(TShellVerb verb) const {
    return QFileInfo::exists(EntryPath(Files(verb)));
}

bool TXdgShellCommands::WriteServiceMenu() {
    QString actions, groups, icon;
    for (const TVerbFiles& v : Verbs) {
        const QString exec = InstalledValue(v, "Exec=");
        if (exec.isEmpty())
            continue;
        actions += QLatin1String(v.Action) + QLatin1Char(';');
        icon = InstalledValue(v, "Icon=");
        groups += QStringLiteral("\n[Desktop Action %1]\n").arg(QLatin1String(v.Action)) +
                  NameLines(v, false) + QStringLiteral("Icon=%1\nExec=%2\n").arg(icon, exec);
    }
    const QString path = ServiceMenuPath();
    QString error;
    if (actions.isEmpty())
        error = RemoveFile(path);
    else if (QFileInfo::exists(path) || Used(QStringLiteral("kio"), QStringLiteral("dolphin")))
        // Plasma runs a service menu of the user's only when it is executable.
        error = WriteFile(path,
                          QStringLiteral("[Desktop Entry]\n"
                                         "Type=Service\n"
                                         "Name=%1\n"
                                         "Icon=%3\n"
                                         "MimeType=%4\n"
                                         "Actions=%2\n"
                                         "X-KDE-ServiceTypes=KonqPopupMenu/Plugin\n"
                                         "X-KDE-Submenu=%1\n")
                                  .arg(MenuName, actions, icon, ShellCommandMimeTypes()) +
                              groups,
                          true);
    return error.isEmpty() || Fail(error);
}

} // namespace platform
