// SPDX-License-Identifier: GPL-3.0-or-later
// The espeak-ng engine's voices (EspeakRuntime.h): espeak-ng's own list of them, or, before
// anything asks for that list, only the voice files named for one language, read the way the
// list reads them; a voice chosen on the worker by its name, or by its file where espeak-ng
// would not find it by its name; and the modes made of the voices, two for each (male and
// female), numbered with the user's language first.
#include "EspeakEngine.h"

#include "EspeakRuntime.h"
#include "ModeInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QUuid>

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <optional>

#include <sys/stat.h>
#include <unistd.h>

namespace engines {

using namespace speech;
using namespace espeak;

namespace {

const GUID& EngineGuid() {
    static const GUID g = [] {
        GUID out;
        GuidFromString("{6E6B8F2A-3C1D-5A7E-9B40-2F61C8D0A4E1}", out);
        return out;
    }();
    return g;
}

std::string PrimaryLanguage(const char* languages) {
    // A list of (priority byte, NUL-terminated name); the first name is the voice's own.
    if (!languages || !languages[0])
        return {};
    return std::string(languages + 1);
}

bool OfLanguage(const std::string& voiceLanguage, const std::string& lang) {
    return voiceLanguage == lang || voiceLanguage.rfind(lang + "-", 0) == 0;
}

// Reads a voice file the way espeak-ng's listing does: a keyword, blanks, the value, "//"
// starts a comment; the first language is the voice's own. nullopt for a variant or a file
// with no language.
std::optional<VoiceEntry> ReadVoiceFile(const QString& path, const std::string& identifier) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    VoiceEntry v;
    v.Identifier = identifier;
    bool named = false;
    while (!file.atEnd()) {
        std::string line = file.readLine(4096).toStdString();
        while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back())))
            line.pop_back();
        if (const auto comment = line.find("//"); comment != std::string::npos)
            line.erase(comment);
        const auto end =
            std::find_if(line.begin(), line.end(), [](unsigned char c) { return std::isspace(c); });
        const std::string keyword(line.begin(), end);
        std::string value(end, line.end());
        value.erase(0, value.find_first_not_of(" \t"));
        if (keyword == "name") {
            v.Name = value;
            named = true;
        } else if (keyword == "language" && v.Language.empty()) {
            v.Language = Lower(value.substr(0, value.find_first_of(" \t")));
        }
    }
    if (v.Language.empty() || v.Language == "variant")
        return std::nullopt;
    if (!named)
        v.Name = identifier;
    return v;
}

} // namespace

} // namespace engines

namespace engines::espeak {

void Runtime::UseVoice(const std::string& voice) {
    if (voice == FVoice)
        return;
    if ((!FHaveList && LoadVoiceFile(voice)) || espeak_SetVoiceByName(voice.c_str()) == EE_OK)
        FVoice = voice;
}

bool Runtime::LoadVoiceFile(const std::string& voice) {
    // espeak-ng looks a voice up by its name in lower case: one whose file is named with
    // capitals ("gmw/en-US") is found only after listing every voice. Given a file, it reads
    // that alone, but it lower-cases that name too: it gets a link with a lower-case name.
    const std::string identifier = voice.substr(0, voice.find('+'));
    const std::string variant = voice.substr(identifier.size());
    if (identifier == Lower(identifier))
        return false; // found by its name at once
    std::string file;
    for (const char* folder : {"/voices/", "/lang/"}) {
        file = FDataFolder + folder + identifier;
        if (::access(file.c_str(), R_OK) == 0)
            break;
        file.clear();
    }
    static std::atomic<int> count{0};
    const std::string dir = QDir::tempPath().toStdString() + "/nurva-voice-" +
                            std::to_string(::getpid()) + "-" + std::to_string(++count);
    const std::string link = dir + "/voice";
    // espeak-ng keeps 60 bytes of the name.
    if (file.empty() || link != Lower(link) || link.size() + variant.size() >= 60 ||
        ::mkdir(dir.c_str(), 0700) != 0)
        return false;
    bool loaded = false;
    if (::symlink(file.c_str(), link.c_str()) == 0) {
        loaded = espeak_SetVoiceByFile((link + variant).c_str()) == EE_OK;
        ::unlink(link.c_str());
    }
    ::rmdir(dir.c_str());
    return loaded;
}

void Runtime::ListVoices() {
    const espeak_VOICE** list = espeak_ListVoices(nullptr);
    for (; list && *list; ++list) {
        const espeak_VOICE* v = *list;
        // mbrola voices need a synthesiser that is not part of espeak-ng.
        if (!v->identifier || std::strncmp(v->identifier, "mb/", 3) == 0)
            continue;
        FVoices.push_back({v->identifier, v->name ? v->name : v->identifier,
                           Lower(PrimaryLanguage(v->languages))});
    }
}

std::vector<VoiceEntry> Runtime::VoicesOf(const std::string& lang) {
    std::vector<VoiceEntry> out;
    if (FHaveList) {
        for (const VoiceEntry& v : FVoices)
            if (OfLanguage(v.Language, lang))
                out.push_back(v);
        return out;
    }
    std::lock_guard lock(FFilesMutex);
    if (!FFilesFound) {
        FFilesFound = true;
        // The folders espeak-ng lists voices from; mbrola voices are left out.
        std::function<void(const QString&, const QString&)> find = [&](const QString& root,
                                                                       const QString& sub) {
            const QDir dir(sub.isEmpty() ? root : root + u'/' + sub);
            for (const QFileInfo& e : dir.entryInfoList(QDir::Files | QDir::Dirs |
                                                        QDir::NoDotAndDotDot | QDir::Hidden)) {
                const QString identifier = sub.isEmpty() ? e.fileName() : sub + u'/' + e.fileName();
                if (e.isDir()) {
                    if (identifier != QLatin1String("mb"))
                        find(root, identifier);
                } else {
                    FFiles.push_back({e.filePath(), identifier.toStdString()});
                }
            }
        };
        for (const char* folder : {"voices", "lang"})
            find(QString::fromStdString(FDataFolder) + u'/' + QLatin1String(folder), {});
    }
    // espeak-ng names each voice file for its language ("en-US" speaks "en-us", "en" speaks
    // "en-gb"): only the files of the language's name are read.
    for (const auto& [path, identifier] : FFiles) {
        const std::string name = identifier.substr(identifier.rfind('/') + 1);
        if (Lower(name.substr(0, name.find('-'))) != lang)
            continue;
        if (auto v = ReadVoiceFile(path, identifier))
            if (OfLanguage(v->Language, lang))
                out.push_back(std::move(*v));
    }
    return out;
}

} // namespace engines::espeak

namespace engines {

namespace {

// The language and region of a locale such as "de_AT", lower case; the system's when empty.
void LocaleLanguage(const std::string& localeName, std::string& lang, std::string& region) {
    QLocale locale =
        localeName.empty() ? QLocale::system() : QLocale(QString::fromStdString(localeName));
    std::string wanted = Lower(locale.name().toStdString()); // "de_at", "c"
    lang = wanted.substr(0, wanted.find('_'));
    region = wanted.find('_') == std::string::npos ? "" : wanted.substr(wanted.find('_') + 1);
}

// The voices as modes, in the order engines are numbered for `lang` and `region`.
std::vector<EspeakMode> ModesOf(const std::vector<VoiceEntry>& voices, const std::string& lang,
                                const std::string& region) {
    struct Entry {
        EspeakMode mode;
        int rank;
        std::string name;
    };
    const QUuid ns(QStringLiteral("{1b7c3f4e-8a5d-4e61-b2c9-7d0e3a6f5b18}"));
    const std::string& version = Runtime::Instance().Version();
    std::vector<Entry> entries;
    for (const VoiceEntry& v : voices) {
        const std::string& l = v.Language;
        int rank = 3;
        if (!region.empty() && l == lang + "-" + region)
            rank = 0;
        else if (l == lang)
            rank = 1;
        else if (l.rfind(lang + "-", 0) == 0)
            rank = 2;
        std::string name = v.Name;
        std::replace(name.begin(), name.end(), '_', ' ');
        for (int female = 0; female < 2; ++female) {
            EspeakMode m;
            TTSMODEINFOA& i = m.Info;
            std::string modeName = name + (female ? " Female" : " Male");
            m.Voice = v.Identifier + (female ? "+f2" : "");
            m.Language = l;
            m.BasePitchHz = female ? 128 : 68;
            i.gEngineID = EngineGuid();
            CopyField(i.szMfgName, "eSpeak NG project");
            CopyField(i.szProductName, "eSpeak NG " + version);
            i.gModeID = ToGuid(QUuid::createUuidV5(ns, QString::fromStdString(m.Voice)));
            CopyField(i.szModeName, modeName);
            CopyField(i.language.szDialect, l);
            CopyField(i.szSpeaker, name);
            CopyField(i.szStyle, "Normal");
            i.wGender = female ? GENDER_FEMALE : GENDER_MALE;
            i.wAge = 30; // adult
            i.dwFeatures = TTSFEATURE_ANYWORD | TTSFEATURE_VOLUME | TTSFEATURE_SPEED |
                           TTSFEATURE_PITCH | TTSFEATURE_TAGGED | TTSFEATURE_WORDPOSITION |
                           TTSFEATURE_PCOPTIMIZED;
            i.dwInterfaces = TTSI_ITTSCENTRAL | TTSI_ITTSATTRIBUTES | TTSI_ITTSDIALOGS;
            entries.push_back({std::move(m), rank, name});
        }
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        if (a.rank != b.rank)
            return a.rank < b.rank;
        if (a.name != b.name)
            return a.name < b.name;
        return a.mode.Info.wGender > b.mode.Info.wGender; // male (2) before female (1)
    });
    std::vector<EspeakMode> out;
    out.reserve(entries.size());
    for (auto& e : entries)
        out.push_back(std::move(e.mode));
    return out;
}

} // namespace

std::vector<EspeakMode> EspeakModes(const std::string& localeName) {
    auto& rt = Runtime::Instance();
    if (!rt.Ready())
        return {};
    std::string lang, region;
    LocaleLanguage(localeName, lang, region);
    const std::vector<VoiceEntry>& voices = rt.Voices();
    // The C locale, or a language without a voice: English.
    if (std::none_of(voices.begin(), voices.end(),
                     [&](const VoiceEntry& v) { return OfLanguage(v.Language, lang); })) {
        lang = "en";
        region.clear();
    }
    return ModesOf(voices, lang, region);
}

std::optional<EspeakMode> EspeakFirstMode(const std::string& localeName) {
    auto& rt = Runtime::Instance();
    if (!rt.Ready())
        return std::nullopt;
    std::string lang, region;
    LocaleLanguage(localeName, lang, region);
    // Every voice of the language ranks before the others, so the first mode is among them.
    std::vector<VoiceEntry> voices = rt.VoicesOf(lang);
    if (voices.empty()) {
        lang = "en";
        region.clear();
        voices = rt.VoicesOf(lang);
    }
    if (voices.empty()) { // not even English: the first of all the voices
        std::vector<EspeakMode> all = EspeakModes(localeName);
        return all.empty() ? std::nullopt : std::optional<EspeakMode>(std::move(all.front()));
    }
    return ModesOf(voices, lang, region).front();
}

} // namespace engines
