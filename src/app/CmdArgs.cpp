// SPDX-License-Identifier: GPL-3.0-or-later
#include "CmdArgs.h"

#include "KoUtils.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace cmdline {

const std::array<const char*, SwitchCount> SwitchNames = {"-e", "-s", "-p", "-w",
                                                          "-r", "-b", "-m", "-q"};
const std::array<const char*, SwitchCount> SwitchDefaults = {"0",         "150", "50", "8",
                                                             "automatic", "128", "s",  "5"};

const std::array<const char*, MoreCount> MoreNames = {"-v", "-sub", "-ch", "--words"};

TSwitches ParseSwitches(const QStringList& arguments) {
    TSwitches s;
    for (int j = 0; j < SwitchCount; ++j)
        s.Values[j] = QString::fromLatin1(SwitchDefaults[j]);
    for (int i = 1; i < arguments.size(); ++i) {
        const QString a = arguments[i].toLower();
        for (int j = 0; j < SwitchCount; ++j)
            if (a == QLatin1String(SwitchNames[j])) {
                s.Given[j] = true;
                s.Values[j] = arguments.value(i + 1);
            }
        for (int j = 0; j < MoreCount; ++j)
            if (a == QLatin1String(MoreNames[j]))
                s.More[j] = arguments.value(i + 1);
    }
    return s;
}

bool IsSwitch(const QString& argument) {
    const QString a = argument.toLower();
    auto is = [&](const char* name) { return a == QLatin1String(name); };
    return std::any_of(SwitchNames.begin(), SwitchNames.end(), is) ||
           std::any_of(MoreNames.begin(), MoreNames.end(), is);
}

QStringList WithoutQtOptions(const QStringList& arguments) {
    static const QStringList valued = {
        "platform",      "platformpluginpath", "platformtheme", "plugin",
        "qmljsdebugger", "qwindowgeometry",    "geometry",      "qwindowicon",
        "icon",          "qwindowtitle",       "title",         "display",
        "style",         "stylesheet",         "session",       "name"};
    static const QStringList flags = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    int i = 1;
    while (i < arguments.size()) {
        QString a = arguments[i];
        if (!a.startsWith(u'-') || a == QLatin1String("-") || a == QLatin1String("--"))
            break;
        a = a.mid(a.startsWith(QLatin1String("--")) ? 2 : 1);
        const QString name = a.section(u'=', 0, 0);
        if (flags.contains(name))
            i += 1;
        else if (valued.contains(name))
            i += a.contains(u'=') ? 1 : 2;
        else
            break;
    }
    return arguments.mid(0, 1) + arguments.mid(std::min<qsizetype>(i, arguments.size()));
}

bool IsJob(const QString& argument) {
    // "--piece" is a speaking worker of a conversion (the program runs itself for it).
    static const QStringList jobs = {"/e", "/tts",   "/ttw",      "/ttm", "/wtm",   "/mtw",
                                     "/?", "--help", "--version", "-h",   "--piece"};
    return jobs.contains(argument.toLower());
}

bool ToInt(const QString& text, qint64& value) {
    bool ok = false;
    value = text.trimmed().toLongLong(&ok);
    return ok && value >= INT32_MIN && value <= INT32_MAX;
}

QString FileArg(const QStringList& arguments, int i) {
    QString name = arguments.value(i);
    if (name.startsWith(u'-'))
        name.prepend(QStringLiteral("./"));
    return name;
}

QString SpeechOutput(const QStringList& arguments, bool textIsFile, const QString& ext) {
    const QString given = KoUtils::ExtractFileExt(arguments.value(3)).toLower();
    if (given == QLatin1String(".wav") || given == QLatin1String(".mp3"))
        return KoUtils::ChangeFileExt(FileArg(arguments, 3), ext);
    if (textIsFile)
        return KoUtils::ChangeFileExt(FileArg(arguments, 2), ext);
    return QStringLiteral("output") + ext;
}

QString ConvertOutput(const QStringList& arguments, bool toMp3) {
    const QString ext = toMp3 ? QStringLiteral(".mp3") : QStringLiteral(".wav");
    if (KoUtils::ExtractFileExt(arguments.value(3)).toLower() == ext)
        return FileArg(arguments, 3);
    return KoUtils::ChangeFileExt(FileArg(arguments, 2), ext);
}

TFileOutput FileOutput(const QStringList& arguments, bool compressed, const QString& input,
                       audio::TFormat stored) {
    using audio::TFormat;
    TFileOutput out;
    // After a switch in the text's place, argument 3 is that switch's value.
    const QString given = IsSwitch(arguments.value(2)) || IsSwitch(arguments.value(3))
                              ? QString()
                              : arguments.value(3);
    const TFormat own = compressed ? TFormat::Mp3 : TFormat::Wav;
    if (given == QLatin1String("-")) {
        out.Name = given;
        out.Format = own;
    } else if (!given.isEmpty()) {
        const std::optional<TFormat> asked = audio::FormatOfName(given);
        if (asked == TFormat::Wav || asked == TFormat::Mp3) {
            // As ever: "/ttw TEXT OUT.mp3" writes OUT.wav, "/ttm TEXT OUT.wav" OUT.mp3.
            out.Format = own;
            out.Name = KoUtils::ChangeFileExt(FileArg(arguments, 3), audio::ExtensionOf(own));
        } else if (asked && compressed) {
            out.Format = *asked;
            out.Name = FileArg(arguments, 3);
        } else {
            //: %1 is the output file's name, %2 its possible extensions, %3 the job ("/ttm")
            out.Error =
                QCoreApplication::translate("CmdArgs",
                                            "The output %1 does not end in %2, the audio "
                                            "%3 writes; nothing was written.")
                    .arg(given,
                         compressed
                             //: the extensions "/ttm" writes
                             ? QCoreApplication::translate("CmdArgs", ".mp3, .opus, .ogg or .flac")
                             : QStringLiteral(".wav"),
                         arguments.value(1));
        }
    } else {
        out.Format = compressed && stored != TFormat::Wav ? stored : own;
        const QString ext = audio::ExtensionOf(out.Format);
        out.Name =
            input.isEmpty() ? QStringLiteral("output") + ext : KoUtils::ChangeFileExt(input, ext);
        if (out.Name.startsWith(u'-'))
            out.Name.prepend(QStringLiteral("./"));
    }
    return out;
}

bool SubtitlesAsked(const TSwitches& switches, QList<audio::TSubtitleFormat>& formats,
                    QString& error) {
    formats.clear();
    const std::optional<QString>& sub = switches.More[mSubtitles];
    if (!sub)
        return true;
    for (const QString& name : sub->split(u',', Qt::SkipEmptyParts)) {
        const std::optional<audio::TSubtitleFormat> f = audio::SubtitleFormatOfName(name);
        if (!f) {
            formats.clear();
            error = QCoreApplication::translate("CmdArgs",
                                                "\"-sub %1\": the subtitles are srt, vtt or lrc.")
                        .arg(*sub);
            return false;
        }
        if (!formats.contains(*f))
            formats << *f;
    }
    if (formats.isEmpty()) {
        error = QCoreApplication::translate("CmdArgs", "\"-sub\" needs srt, vtt or lrc.");
        return false;
    }
    return true;
}

bool ChaptersAsked(const TSwitches& switches, TChapterChoice& choice, QString& error) {
    choice = TChapterChoice();
    const std::optional<QString>& ch = switches.More[mChapters];
    if (!ch)
        return true;
    const QString mode = ch->section(u':', 0, 0).trimmed().toLower();
    const QString every = ch->section(u':', 1);
    bool ok = true;
    if (!every.isEmpty())
        choice.Minutes = every.toDouble(&ok);
    if (mode == QLatin1String("split"))
        choice.Mode = TChapterChoice::Split;
    else if (mode == QLatin1String("marks"))
        choice.Mode = TChapterChoice::Marks;
    if (choice.Mode == TChapterChoice::Whole || !ok || !std::isfinite(choice.Minutes) ||
        choice.Minutes < 0 || (!every.isEmpty() && choice.Minutes == 0)) {
        choice = TChapterChoice();
        //: "split", "marks" and ":N" are what the switch takes: keep them as they are
        error = QCoreApplication::translate("CmdArgs",
                                            "\"-ch %1\": chapters are \"split\" (a file each) or "
                                            "\"marks\" (one file), with \":N\" for parts of N "
                                            "minutes.")
                    .arg(*ch);
        return false;
    }
    return true;
}

qint64 WritingMultiple(const TSwitches& switches) {
    qint64 w = 8;
    if (switches.Given[swWriteSpeed] && switches.Values[swWriteSpeed].trimmed().compare(
                                            QLatin1String("max"), Qt::CaseInsensitive) == 0)
        return 256;
    if (!switches.Given[swWriteSpeed] || !ToInt(switches.Values[swWriteSpeed], w))
        w = 8;
    return w;
}

quint16 WritingSpeed(const TSwitches& switches) {
    return quint16(quint32(WritingMultiple(switches) * 256) & 0xFFFF);
}

} // namespace cmdline
