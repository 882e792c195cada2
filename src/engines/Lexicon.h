// SPDX-License-Identifier: GPL-3.0-or-later
// The pronunciation lexicon: words or phrases and how the engine is to say them.
//
// An entry's pronunciation is respelled text ("Nurva" -> "Nerva") or espeak-ng phonemes in
// double brackets ("[[n'3:v@]]"). The engine replaces every match before it speaks, and keeps
// for each byte it speaks the offset of the byte the user wrote, so the word marks still point
// into the original text.
//
// The file is plain text beside config.ini, one entry a line:
//     word <TAB> pronunciation [<TAB> options]
// options: "part" (match inside words too), "case" (match the letter case exactly). Blank
// lines and lines starting with "#" are comments. Lines are UTF-8; a line that is not is read
// as Windows-1252, as the program's text files are. Lines that are not entries are reported,
// and every line is kept byte for byte where it stands unless the user changes it.
#pragma once

#include "SpeechApi.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string_view>
#include <vector>

namespace engines {

class TextPiece;

struct LexiconEntry {
    QString Word;
    QString Say;
    bool WholeWord = true;
    bool MatchCase = false;

    friend bool operator==(const LexiconEntry&, const LexiconEntry&) = default;
};

// One line of the file as it was read.
struct LexiconLine {
    enum Type { Comment, Entry, Refused }; // blank lines are comments
    Type Kind = Comment;
    QByteArray Bytes;  // without its line feed; a carriage return before it stays
    bool Ended = true; // a line feed followed it
    int Index = -1;    // an entry's place in Entries
    // A refused line: what could be read of it (the text before the first tab is the word)
    // and why it is no entry.
    LexiconEntry Fields;
    QString Problem;
    bool NotUtf8 = false; // read as Windows-1252
};

class Lexicon {
public:
    Lexicon() = default;
    Lexicon(const Lexicon& other) : Entries(other.Entries), Lines(other.Lines) {}
    Lexicon& operator=(const Lexicon& other);

    // In the order of the file. Apply indexes them the first time it runs: change them only
    // before the lexicon is shared.
    std::vector<LexiconEntry> Entries;
    // Every line of the file, comments and refused lines among them.
    std::vector<LexiconLine> Lines;

    // Reads the bytes of a lexicon file.
    void Parse(QByteArrayView bytes);
    // What is wrong with lines of the file, one text per line ("line 3: ..."); the line's
    // bytes, for telling which of them the user has seen, in `lines`.
    QStringList Problems(std::vector<QByteArray>* lines = nullptr) const;
    // The file: every line as it was read, then the entries no line holds.
    QByteArray ToBytes() const;
    // An entry as a line of the file, without its line feed.
    static QByteArray FormatEntry(const LexiconEntry& entry);
    // Why an entry cannot be written as it stands (no word, a word that would make the line a
    // comment, no pronunciation, phonemes not closed); empty when it can.
    static QString EntryProblem(const LexiconEntry& entry);

    // False with `error` set when the file cannot be read; a missing file is an empty
    // lexicon. `problems` receives Problems().
    bool Load(const QString& path, QStringList* problems, QString* error);
    // Replaces the file in one step: the old one stays whole when writing fails.
    bool Save(const QString& path, QString* error) const;

    // True when an entry says its word with phonemes, so the engine must read them.
    bool HasPhonemes() const;

    // Appends `run` (whose first byte is at `sourceOffset` in the block) to `out`, with every
    // match replaced; the bytes of a replacement all stand for the first byte of what it
    // replaced. Where entries overlap, the longest match wins, then the entry first in the file.
    void Apply(std::string_view run, std::uint32_t sourceOffset, TextPiece& out) const;

private:
    struct Index;
    std::shared_ptr<const Index> Indexed() const;
    mutable std::mutex FIndexMutex;
    mutable std::shared_ptr<const Index> FIndex;
};

// Where the lexicon file lives: beside config.ini.
QString LexiconPath();

// The lexicon the engine applies now; never null. Once the lexicon file has been read, a file
// changed on disk since is read again first (a fault in it is told once).
std::shared_ptr<const Lexicon> CurrentLexicon();
// Makes `lexicon` the current one until the file changes on disk.
void SetCurrentLexicon(std::shared_ptr<const Lexicon> lexicon);
// Reads the lexicon file into the current lexicon. Returns a message for the user when the
// file cannot be read or has faults not told before; speech goes on with what was read.
QString ReloadLexicon();
// Reads the lexicon file when it has never been read or has changed since, and tells the
// user what ReloadLexicon would return (at once, or once the event loop is back).
void PrepareLexicon();
// Reads the lexicon file for the lexicon dialog, which shows it whole, and makes it the
// current one; false with `error` when the file cannot be read.
bool ReadLexiconForDialog(Lexicon& out, QString* error);
// The faults of `lexicon` are in front of the user now: they are not told again at start.
void MarkLexiconFaultsSeen(const Lexicon& lexicon);

// Speaks one entry through the engine, as the lexicon dialog's Listen button does; returns
// why it cannot, or nothing.
using LexiconListen = std::function<QString(const LexiconEntry& entry)>;
// The lexicon dialog lives with the other dialogs; the program installs it at start.
using LexiconDialogHook =
    std::function<speech::HRESULT(speech::HWND parent, const char* title, LexiconListen listen)>;
void SetLexiconDialog(LexiconDialogHook hook);
LexiconDialogHook LexiconDialog();

} // namespace engines
