#include "Lexicon.h"

#include "KoUtils.h"
#include "WordPositions.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <mutex>

namespace engines {

namespace {

bool IsWordChar(QChar c) {
    return c.isLetterOrNumber() || c.isMark() || c == u'_';
}

// What a line of the file says is wrong with it; empty for an entry.
QString ParseLine(const QString& line, LexiconEntry& entry) {
    const QStringList fields = line.split(u'\t');
    if (fields.size() < 2)
        return QStringLiteral("no tab between the word and its pronunciation");
    entry.Word = fields[0].trimmed();
    entry.Say = fields[1].trimmed();
    if (entry.Word.isEmpty())
        return QStringLiteral("the word is empty");
    if (entry.Say.isEmpty())
        return QStringLiteral("the pronunciation is empty");
    if (entry.Say.count(QLatin1String("[[")) != entry.Say.count(QLatin1String("]]")))
        return QStringLiteral("phonemes opened with [[ are not closed with ]]");
    static const QRegularExpression separators(QStringLiteral("[\\s,]+"));
    for (int i = 2; i < fields.size(); ++i)
        for (const QString& option : fields[i].split(separators, Qt::SkipEmptyParts)) {
            if (option.compare(QLatin1String("part"), Qt::CaseInsensitive) == 0)
                entry.WholeWord = false;
            else if (option.compare(QLatin1String("case"), Qt::CaseInsensitive) == 0)
                entry.MatchCase = true;
            else
                return QStringLiteral("unknown option \"%1\"").arg(option);
        }
    return {};
}

// Appends original bytes; where the engine reads phonemes, a "[[" the user wrote is split
// so that it stays text.
void AppendOriginal(std::string_view bytes, std::uint32_t offset, bool phonemes, TextPiece& out) {
    if (!phonemes) {
        out.Append(bytes, offset);
        return;
    }
    std::size_t from = 0;
    for (std::size_t at; (at = bytes.find("[[", from)) != std::string_view::npos; from = at + 1) {
        out.Append(bytes.substr(from, at + 1 - from), offset + std::uint32_t(from));
        out.AppendAt(" ", offset + std::uint32_t(at + 1));
    }
    out.Append(bytes.substr(from), offset + std::uint32_t(from));
}

std::mutex gMutex;
std::shared_ptr<const Lexicon> gCurrent = std::make_shared<Lexicon>();
LexiconDialogHook gDialog;

} // namespace

void Lexicon::Parse(const QString& text, QStringList* problems) {
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        if (line.trimmed().startsWith(u'#')) {
            Kept << line;
            continue;
        }
        LexiconEntry entry;
        QString problem = ParseLine(line, entry);
        if (problem.isEmpty()) {
            Entries.push_back(entry);
            continue;
        }
        Kept << line;
        if (problems)
            *problems << QStringLiteral("line %1: %2").arg(i + 1).arg(problem);
    }
}

QString Lexicon::ToText() const {
    QString out;
    for (const LexiconEntry& e : Entries) {
        out += e.Word + u'\t' + e.Say;
        QStringList options;
        if (!e.WholeWord)
            options << QStringLiteral("part");
        if (e.MatchCase)
            options << QStringLiteral("case");
        if (!options.isEmpty())
            out += u'\t' + options.join(u' ');
        out += u'\n';
    }
    for (const QString& line : Kept)
        out += line + u'\n';
    return out;
}

bool Lexicon::Load(const QString& path, QStringList* problems, QString* error) {
    Entries.clear();
    Kept.clear();
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    QStringDecoder decode(QStringDecoder::Utf8);
    QString text = decode(file.readAll());
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (decode.hasError() && problems)
        *problems << QStringLiteral("the file is not UTF-8 text; the characters that are not "
                                    "were replaced");
    Parse(text, problems);
    return true;
}

bool Lexicon::Save(const QString& path, QString* error) const {
    QSaveFile file(path);
    const QByteArray bytes = ToText().toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool Lexicon::HasPhonemes() const {
    return std::any_of(Entries.begin(), Entries.end(),
                       [](const LexiconEntry& e) { return e.Say.contains(QLatin1String("[[")); });
}

void Lexicon::Apply(std::string_view run, std::uint32_t sourceOffset, TextPiece& out) const {
    const QString text = QString::fromUtf8(run.data(), qsizetype(run.size()));
    // Offsets are in bytes of the original: text that does not survive the round trip (not
    // UTF-8) is spoken as it is.
    if (Entries.empty() || text.toUtf8() != QByteArrayView(run.data(), qsizetype(run.size()))) {
        out.Append(run, sourceOffset);
        return;
    }
    const bool phonemes = HasPhonemes();
    // Byte offset in `run` of every UTF-16 position of `text`.
    std::vector<std::uint32_t> byteAt(std::size_t(text.size()) + 1);
    std::uint32_t bytes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        byteAt[std::size_t(i)] = bytes;
        char16_t c = text[i].unicode();
        if (QChar::isLowSurrogate(c))
            bytes += 2; // with the high surrogate's 2: a 4-byte sequence
        else if (QChar::isHighSurrogate(c))
            bytes += 2;
        else
            bytes += c < 0x80 ? 1 : c < 0x800 ? 2 : 3;
    }
    byteAt.back() = bytes;
    // Longer entries first, so that a phrase wins over a word it starts with.
    std::vector<const LexiconEntry*> order;
    for (const LexiconEntry& e : Entries)
        if (!e.Word.isEmpty())
            order.push_back(&e);
    std::stable_sort(order.begin(), order.end(),
                     [](auto* a, auto* b) { return a->Word.size() > b->Word.size(); });

    // Most positions start no entry: their first character tells at once.
    std::vector<char16_t> firsts;
    for (const LexiconEntry* e : order)
        firsts.push_back(e->Word.front().toCaseFolded().unicode());

    const QStringView view(text);
    qsizetype pending = 0; // start of the original text not yet appended
    for (qsizetype i = 0; i < text.size();) {
        const LexiconEntry* hit = nullptr;
        const char16_t first = text[i].toCaseFolded().unicode();
        for (std::size_t k = 0; k < order.size(); ++k) {
            const LexiconEntry* e = order[k];
            const qsizetype n = e->Word.size();
            if (firsts[k] != first || i + n > text.size() ||
                view.mid(i, n).compare(e->Word,
                                       e->MatchCase ? Qt::CaseSensitive : Qt::CaseInsensitive) != 0)
                continue;
            if (e->WholeWord) {
                if (IsWordChar(e->Word.front()) && i > 0 && IsWordChar(text[i - 1]))
                    continue;
                if (IsWordChar(e->Word.back()) && i + n < text.size() && IsWordChar(text[i + n]))
                    continue;
            }
            hit = e;
            break;
        }
        if (!hit) {
            ++i;
            continue;
        }
        const std::uint32_t from = byteAt[std::size_t(pending)];
        const std::uint32_t at = byteAt[std::size_t(i)];
        AppendOriginal(run.substr(from, at - from), sourceOffset + from, phonemes, out);
        const QByteArray say = hit->Say.toUtf8();
        out.AppendAt(std::string_view(say.constData(), std::size_t(say.size())), sourceOffset + at);
        i += hit->Word.size();
        pending = i;
    }
    const std::uint32_t from = byteAt[std::size_t(pending)];
    AppendOriginal(run.substr(from), sourceOffset + from, phonemes, out);
}

QString LexiconPath() {
    return KoUtils::Folders().LexiconFile();
}

std::shared_ptr<const Lexicon> CurrentLexicon() {
    std::lock_guard lock(gMutex);
    return gCurrent;
}

void SetCurrentLexicon(std::shared_ptr<const Lexicon> lexicon) {
    std::lock_guard lock(gMutex);
    gCurrent = lexicon ? std::move(lexicon) : std::make_shared<Lexicon>();
}

QString ReloadLexicon() {
    auto lexicon = std::make_shared<Lexicon>();
    QStringList problems;
    QString error;
    const QString path = LexiconPath();
    const bool read = lexicon->Load(path, &problems, &error);
    SetCurrentLexicon(lexicon);
    if (!read)
        return QStringLiteral("The pronunciation lexicon \"%1\" could not be read: %2\n"
                              "Reading goes on without it.")
            .arg(path, error);
    if (problems.isEmpty())
        return {};
    constexpr int kShown = 10;
    QStringList shown = problems.mid(0, kShown);
    if (problems.size() > kShown)
        shown << QStringLiteral("... and %1 more").arg(problems.size() - kShown);
    return QStringLiteral("The pronunciation lexicon \"%1\" has lines that are not entries. "
                          "They are not used, and stay in the file as they are:\n%2")
        .arg(path, shown.join(u'\n'));
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
