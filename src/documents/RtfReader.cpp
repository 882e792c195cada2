// SPDX-License-Identifier: GPL-3.0-or-later
// Rich Text Format (.rtf). Debian has no library that reads RTF, and RTF is a flat stream of
// groups, control words and text, so this unit tokenizes it itself: the text of the document in
// order, paragraphs at \par, headings by their outline level (\outlinelevel), footnotes after
// their paragraph, title and author from the information group. Font, colour and style tables,
// pictures, objects, headers, footers, field instructions and hidden text are not read. 8-bit
// text is decoded in the document's code page (\ansicpg); \uN characters are taken as they are.
#include "Readers.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace documents {

namespace {

// The document as the messages name it.
QString Kind() {
    //: the subject of the messages about a document that cannot be read
    return QCoreApplication::translate("RtfReader", "The RTF document");
}

enum class TDest { Text, Skip, Title, Author, Footnote };

struct TGroup {
    TDest Dest = TDest::Text;
    int UcSkip = 1;
    bool Hidden = false;
    bool OpensNote = false;
};

bool SkippedDestination(const QByteArray& word) {
    static const QList<QByteArray> words = {
        "fonttbl",    "colortbl",      "stylesheet", "pict",
        "object",     "header",        "headerl",    "headerr",
        "headerf",    "footer",        "footerl",    "footerr",
        "footerf",    "fldinst",       "listtable",  "listoverridetable",
        "rsidtbl",    "generator",     "themedata",  "colorschememapping",
        "datastore",  "latentstyles",  "xmlnstbl",   "info",
        "filetbl",    "revtbl",        "pgdsctbl",   "bkmkstart",
        "bkmkend",    "annotation",    "atnid",      "atnauthor",
        "atrfstart",  "atrfend",       "comment",    "private",
        "nonshppict", "shpinst",       "xe",         "tc",
        "txe",        "protusertbl",   "mmathPr",    "userprops",
        "docvar",     "wgrffmtfilter", "ftnsep",     "ftnsepc",
        "aftnsep",    "aftnsepc",      "template",   "passwordhash",
        "blipuid"};
    return words.contains(word);
}

class TRtfParser {
public:
    explicit TRtfParser(const QByteArray& data) : FData(data) {}

    void Run(TImportedDocument& doc) {
        if (!FData.startsWith("{\\rtf"))
            throw EImportError(
                QCoreApplication::translate("TRtfParser",
                                            "%1 cannot be read: it does not begin as RTF does.")
                    .arg(Kind()));
        FStack.reserve(64);
        FStack.append(TGroup{});
        bool infoGroup = false;
        while (FAt < FData.size()) {
            const char c = FData[FAt];
            if (c == '{') {
                ++FAt;
                Flush();
                if (FStack.size() > 4096)
                    throw EImportError(
                        QCoreApplication::translate(
                            "TRtfParser", "%1 cannot be read: its groups nest too deeply.")
                            .arg(Kind()));
                TGroup g = FStack.back();
                g.OpensNote = false;
                FStack.append(g);
                FGroupStart = true;
            } else if (c == '}') {
                ++FAt;
                Flush();
                if (FStack.size() <= 1)
                    break; // the end of the document; anything after it is not RTF
                const TGroup g = FStack.takeLast();
                if (g.OpensNote)
                    FOut.EndNote();
                FGroupStart = false;
            } else if (c == '\\') {
                ControlWord(infoGroup);
            } else if (c == '\r' || c == '\n') {
                ++FAt;
            } else {
                ++FAt;
                FGroupStart = false;
                Byte(c);
            }
        }
        Flush();
        if (FOut.InHeading())
            FOut.EndHeading();
        FOut.Finish(doc);
        doc.Title = FTitle.simplified();
        doc.Author = FAuthor.simplified();
    }

private:
    TGroup& Top() { return FStack.back(); }

    // A character of text: counted against the characters to skip after \uN.
    bool Skipping() {
        if (FSkipChars > 0) {
            --FSkipChars;
            return true;
        }
        return false;
    }

    void Byte(char c) {
        if (Skipping())
            return;
        if (Top().Dest == TDest::Skip || Top().Hidden)
            return;
        FPending.append(c);
    }

    void Unicode(char16_t c) {
        Flush();
        if (Top().Dest == TDest::Skip || Top().Hidden)
            return;
        Emit(QString(QChar(c)));
    }

    void Emit(const QString& text) {
        switch (Top().Dest) {
        case TDest::Title:
            FTitle += text;
            break;
        case TDest::Author:
            FAuthor += text;
            break;
        case TDest::Text:
        case TDest::Footnote:
            FOut.Append(text);
            break;
        case TDest::Skip:
            break;
        }
    }

    // 8-bit text so far, in the document's code page.
    void Flush() {
        if (FPending.isEmpty())
            return;
        if (!FDecoder.isValid())
            FDecoder = QStringDecoder(FCodePage.constData());
        if (!FDecoder.isValid())
            FDecoder = QStringDecoder("windows-1252");
        const QString text = FDecoder.decode(FPending);
        FPending.clear();
        Emit(text);
    }

    void ControlWord(bool& infoGroup) {
        ++FAt; // the backslash
        if (FAt >= FData.size())
            return;
        const char c = FData[FAt];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++FAt;
            ControlSymbol(c);
            FGroupStart = false;
            return;
        }
        const qsizetype start = FAt;
        while (FAt < FData.size() && std::isalpha(static_cast<unsigned char>(FData[FAt])) &&
               FAt - start < 32)
            ++FAt;
        const QByteArray word = FData.mid(start, FAt - start);
        bool hasParam = false;
        long long param = 0;
        const qsizetype numberStart = FAt;
        if (FAt < FData.size() &&
            (FData[FAt] == '-' || std::isdigit(static_cast<unsigned char>(FData[FAt])))) {
            ++FAt;
            while (FAt < FData.size() && std::isdigit(static_cast<unsigned char>(FData[FAt])) &&
                   FAt - numberStart < 11)
                ++FAt;
            param = FData.mid(numberStart, FAt - numberStart).toLongLong(&hasParam);
        }
        if (FAt < FData.size() && FData[FAt] == ' ')
            ++FAt; // the delimiter belongs to the word
        const bool groupStart = FGroupStart;
        FGroupStart = false;
        Word(word, hasParam, param, groupStart, infoGroup);
    }

    void ControlSymbol(char c) {
        switch (c) {
        case '\\':
        case '{':
        case '}':
            Byte(c);
            break;
        case '~':
            Unicode(0xA0);
            break;
        case '_':
            Unicode(u'-');
            break;
        case '\'': {
            const QByteArray hex = FData.mid(FAt, 2);
            FAt += hex.size();
            bool ok = false;
            const int value = hex.toInt(&ok, 16);
            if (ok)
                Byte(char(value));
            break;
        }
        case '*':
            if (FGroupStart) // an optional destination this reader does not know
                Top().Dest = Top().Dest == TDest::Footnote ? TDest::Footnote : TDest::Skip;
            FStar = true;
            return;
        case '\r':
        case '\n':
            Paragraph();
            break;
        default: // \- optional hyphen, \| \: and others: nothing to read
            break;
        }
    }

    void Paragraph() {
        Flush();
        if (Top().Dest == TDest::Skip)
            return;
        if (Top().Dest == TDest::Footnote) {
            FOut.EndParagraph();
            return;
        }
        if (FOut.InHeading())
            FOut.EndHeading();
        else
            FOut.EndParagraph();
    }

    void Word(const QByteArray& w, bool hasParam, long long param, bool groupStart,
              bool& infoGroup) {
        const bool star = std::exchange(FStar, false);
        Flush();
        if (w == "bin" && hasParam) { // binary data: skipped byte for byte
            FAt += std::clamp<long long>(param, 0, FData.size() - FAt);
            return;
        }
        if (w == "u" && hasParam) {
            Unicode(char16_t(param < 0 ? param + 65536 : param));
            FSkipChars = Top().UcSkip;
            return;
        }
        FSkipChars = 0;
        if (w == "uc" && hasParam) {
            Top().UcSkip = int(std::clamp<long long>(param, 0, 10));
        } else if (w == "ansicpg" && hasParam) {
            FCodePage = "windows-" + QByteArray::number(param);
            FDecoder = QStringDecoder();
        } else if (w == "mac") {
            FCodePage = "macintosh";
            FDecoder = QStringDecoder();
        } else if (w == "info" && groupStart) {
            infoGroup = true;
            Top().Dest = TDest::Skip;
        } else if ((w == "title" || w == "author") && groupStart) {
            Top().Dest = w == "title" ? TDest::Title : TDest::Author;
        } else if (w == "footnote" && groupStart && Top().Dest == TDest::Text) {
            Top().Dest = TDest::Footnote;
            Top().OpensNote = true;
            FOut.BeginNote();
        } else if (groupStart && (SkippedDestination(w) || star)) {
            Top().Dest = TDest::Skip;
        } else if (w == "par" || w == "sect" || w == "page") {
            Paragraph();
        } else if (w == "line") {
            if (Top().Dest != TDest::Skip)
                FOut.LineBreak();
        } else if (w == "tab" || w == "cell") {
            Emit(QStringLiteral(" "));
        } else if (w == "row") {
            Paragraph();
        } else if (w == "pard") {
            FOutline = -1;
        } else if (w == "outlinelevel" && hasParam) {
            FOutline = int(param);
            if (Top().Dest == TDest::Text && !FOut.InHeading() && FOutline >= 0 && FOutline < 9)
                FOut.BeginHeading(FOutline + 1);
        } else if (w == "v") {
            Top().Hidden = !hasParam || param != 0;
        } else if (w == "emdash") {
            Unicode(0x2014);
        } else if (w == "endash") {
            Unicode(0x2013);
        } else if (w == "lquote") {
            Unicode(0x2018);
        } else if (w == "rquote") {
            Unicode(0x2019);
        } else if (w == "ldblquote") {
            Unicode(0x201C);
        } else if (w == "rdblquote") {
            Unicode(0x201D);
        } else if (w == "bullet") {
            Unicode(0x2022);
        } else if (w == "emspace" || w == "enspace" || w == "qmspace") {
            Emit(QStringLiteral(" "));
        }
        // Every other word sets formatting, which plain text does not keep.
    }

    const QByteArray& FData;
    qsizetype FAt = 0;
    QList<TGroup> FStack;
    TTextBuilder FOut;
    QByteArray FPending;
    QByteArray FCodePage = "windows-1252";
    QStringDecoder FDecoder;
    QString FTitle, FAuthor;
    int FSkipChars = 0;
    int FOutline = -1;
    bool FGroupStart = false;
    bool FStar = false;
};

class TRtfReader : public TReader {
public:
    QString Name() const override { return QStringLiteral("RTF"); }
    QStringList Suffixes() const override { return {QStringLiteral("rtf")}; }
    QStringList MimeTypes() const override {
        return {QStringLiteral("application/rtf"), QStringLiteral("text/rtf")};
    }
    bool Recognizes(const QByteArray& data) const override { return data.startsWith("{\\rtf"); }
    TImportedDocument Read(const QByteArray& data) const override {
        TImportedDocument doc;
        doc.Format = Name();
        TRtfParser(data).Run(doc);
        return doc;
    }
};

} // namespace

const TReader& RtfReader() {
    static const TRtfReader reader;
    return reader;
}

} // namespace documents
