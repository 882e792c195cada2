#include "CmdArgs.h"

#include "KoUtils.h"

namespace cmdline {

const std::array<const char*, SwitchCount> SwitchNames = {"-e", "-s", "-p", "-w",
                                                          "-r", "-b", "-m", "-q"};
const std::array<const char*, SwitchCount> SwitchDefaults = {"0",         "150", "50", "8",
                                                             "automatic", "128", "s",  "5"};

TSwitches ParseSwitches(const QStringList& arguments) {
    TSwitches s;
    for (int j = 0; j < SwitchCount; ++j)
        s.Values[j] = QString::fromLatin1(SwitchDefaults[j]);
    for (int i = 1; i < arguments.size(); ++i)
        for (int j = 0; j < SwitchCount; ++j)
            if (arguments[i].toLower() == QLatin1String(SwitchNames[j])) {
                s.Given[j] = true;
                s.Values[j] = arguments.value(i + 1);
            }
    return s;
}

bool IsJob(const QString& argument) {
    static const QStringList jobs = {"/e",   "/tts", "/ttw",   "/ttm",      "/wtm",
                                     "/mtw", "/?",   "--help", "--version", "-h"};
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

qint64 WritingMultiple(const TSwitches& switches) {
    qint64 w = 8;
    if (!switches.Given[swWriteSpeed] || !ToInt(switches.Values[swWriteSpeed], w))
        w = 8;
    return w;
}

quint16 WritingSpeed(const TSwitches& switches) {
    return quint16(quint32(WritingMultiple(switches) * 256) & 0xFFFF);
}

} // namespace cmdline
