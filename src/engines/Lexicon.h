// The pronunciation lexicon: words or phrases and how the engine is to say them.
//
// An entry's pronunciation is respelled text ("Nurva" -> "Nerva") or espeak-ng phonemes in
// double brackets ("[[n'3:v@]]"). The engine replaces every match before it speaks, and keeps
// for each byte it speaks the offset of the byte the user wrote, so the word marks still point
// into the original text.
//
// The file is plain UTF-8 text beside config.ini, one entry a line:
//     word <TAB> pronunciation [<TAB> options]
// options: "part" (match inside words too), "case" (match the letter case exactly). Blank
// lines and lines starting with "#" are comments. Lines that are not entries are reported,
// kept as they are and written back, never dropped.
#pragma once

#include "SpeechApi.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
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

class Lexicon {
public:
    std::vector<LexiconEntry> Entries;
    // Lines of the file that are not entries, kept to be written back.
    QStringList Kept;

    // Reads entries from the text of a lexicon file; every line that is not an entry is
    // described in `problems` ("line 3: ...") and kept.
    void Parse(const QString& text, QStringList* problems = nullptr);
    QString ToText() const;

    // False with `error` set when the file cannot be read; a missing file is an empty lexicon.
    bool Load(const QString& path, QStringList* problems, QString* error);
    // Replaces the file in one step: the old one stays whole when writing fails.
    bool Save(const QString& path, QString* error) const;

    // True when an entry says its word with phonemes, so the engine must read them.
    bool HasPhonemes() const;

    // Appends `run` (whose first byte is at `sourceOffset` in the block) to `out`, with every
    // match replaced; the bytes of a replacement all stand for the first byte of what it
    // replaced.
    void Apply(std::string_view run, std::uint32_t sourceOffset, TextPiece& out) const;
};

// Where the lexicon file lives: beside config.ini.
QString LexiconPath();

// The lexicon the engine applies now; never null.
std::shared_ptr<const Lexicon> CurrentLexicon();
void SetCurrentLexicon(std::shared_ptr<const Lexicon> lexicon);
// Reads the lexicon file into the current lexicon. Returns a message for the user when the
// file cannot be read or has lines that are not entries; speech goes on with what was read.
QString ReloadLexicon();

// Speaks one entry through the engine, as the lexicon dialog's Listen button does; returns
// why it cannot, or nothing.
using LexiconListen = std::function<QString(const LexiconEntry& entry)>;
// The lexicon dialog lives with the other dialogs; the program installs it at start.
using LexiconDialogHook =
    std::function<speech::HRESULT(speech::HWND parent, const char* title, LexiconListen listen)>;
void SetLexiconDialog(LexiconDialogHook hook);
LexiconDialogHook LexiconDialog();

} // namespace engines
