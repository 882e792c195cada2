// SPDX-License-Identifier: GPL-3.0-or-later
#include "VoiceSwitch.h"

#include <QCoreApplication>
#include <QStringList>

int VoiceNumber(speech::TMSpeech& speech, const QString& name, QString& error) {
    QString want = name.trimmed().toLower();
    want.replace(u'_', u' ');
    // A variant after "+": only its kind (female or male) is kept.
    int gender = 0; // 1 female, 2 male, as the engines' records have it
    if (const qsizetype plus = want.indexOf(u'+'); plus >= 0) {
        const QString variant = want.mid(plus + 1);
        gender = variant.startsWith(u'f') ? 1 : variant.startsWith(u'm') ? 2 : 0;
        want.truncate(plus);
    }
    const QString language = want.section(u'/', -1);
    const QStringList& engines = speech.Engines();
    int byName = -1, bySpeaker = -1, byLanguage = -1, byPrefix = -1;
    for (int i = 0; i < engines.size() && byName < 0; ++i) {
        speech::TMSpeechEngineInfo info;
        if (!speech.GetEngineInfo(engines[i], info))
            continue;
        const bool kind = gender == 0 || (gender == 1) == (info.Gender.toLower() == "female");
        auto set = [&](int& slot, bool match) {
            if (match && kind && slot < 0)
                slot = i;
        };
        set(byName, info.Name.toLower() == want);
        set(bySpeaker, info.Speaker.toLower().replace(u'_', u' ') == want);
        set(byLanguage, info.Language.toLower() == language);
        set(byPrefix, info.Language.toLower().startsWith(language + u'-'));
    }
    for (int found : {byName, bySpeaker, byLanguage, byPrefix})
        if (found >= 0 && !want.isEmpty())
            return found;
    error = QCoreApplication::translate(
                "VoiceSwitch", "No voice called %1 is installed (\"/e\" lists the voices).")
                .arg(name);
    return -1;
}
