// SPDX-License-Identifier: GPL-3.0-or-later
// The document list: the playlist's files, how each was stored, and which one the editor
// shows. No widgets: the tab strip and the editor are its view, kept by the main window.
#pragma once

#include "Document.h"
#include "Imported.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>

namespace mainwindow {

// What loading a document gives the editor.
struct TLoadedDocument {
    enum TState {
        Loaded,   // Text is the file's
        Created,  // there was no file: Text is the welcome text, written to it
        Unloaded, // the file exists but cannot be loaded: Error says why, the editor stays empty
    };
    TState State = Loaded;
    QString Text;
    // Unloaded: why. Created: why the new file could not be written, if it could not.
    QString Error;
    // Loaded from a document of another format (EPUB, PDF, ...): its text is never written
    // back to it.
    bool Imported = false;
};

class TDocumentList {
public:
    // `playlist`: full paths in tab order; the list edits it in place.
    explicit TDocumentList(QStringList& playlist) : FPlaylist(playlist) {}

    QStringList& Playlist() { return FPlaylist; }
    const QStringList& Playlist() const { return FPlaylist; }
    bool ValidIndex(int i) const { return i >= 0 && i < FPlaylist.size(); }

    // The file the editor shows; empty when it shows none.
    const QString& ShownPath() const { return FShownPath; }
    // The shown file exists but could not be loaded; nothing is ever written over it.
    bool Unloaded() const { return !FUnloaded.isEmpty(); }
    const QString& UnloadedReason() const { return FUnloaded; }

    // Loads `path` as the shown document. A missing file gets the welcome text, written to
    // its path; a file that exists but cannot be loaded is left alone.
    TLoadedDocument Show(const QString& path);
    void ShowNothing();
    // Creates the first free "untitled<N>.txt" in `folder` (with its trailing "/"), appends it
    // and shows it, empty. Throws EFileError, and then nothing has changed.
    QString New(const QString& folder);
    // Writes the editor's `text` to `path` in the shown document's encoding and line ends.
    // Throws EFileError, and then the old file is as it was; a document of another format is
    // never written over. Returns a notice when the text was saved as UTF-8 since its encoding
    // cannot hold it, else an empty string.
    QString Save(const QString& path, const QString& text);
    // The shown document was imported: its text, and whatever the user changed in it, is saved
    // to a text file of its own, never over the document.
    bool ShownImported() const { return FImported.contains(FShownPath); }
    // Writes `text` as the imported document at `i` to a new text file named after it, beside
    // it or, when that folder cannot be written, in `folder` (with its trailing "/"); the entry
    // becomes that file. Returns its path. Throws EFileError, and then nothing has changed.
    QString SaveImported(int i, const QString& text, const QString& folder);
    // The name Save As offers for the shown document: an imported one's text file.
    QString SaveAsName(int i) const;
    // What the importer found in an imported document (title, author, chapters with their
    // positions in the text as loaded); empty for plain text.
    documents::TImportedDocument Structure(const QString& path) const {
        return FImported.value(path);
    }
    // The shown document at index `i` was saved as `chosen`: it is renamed in place, or, when
    // another entry already names that file, that entry goes and the document becomes the last
    // one. Returns its new index.
    int SavedAs(int i, const QString& chosen);

    // Appends the files not listed yet (made absolute); `textOnly` takes ".txt" files and
    // documents the importers read only.
    // Names are compared as the file system does: exactly. Returns how many were added.
    int Add(const QStringList& paths, bool textOnly = false);
    // Removes entry `i`; an empty list gets "untitled.txt" in `folder` so there is always a tab.
    void Close(int i, const QString& folder);
    void CloseAll(const QString& folder);
    void Move(int from, int to) { FPlaylist.swapItemsAt(from, to); }

    // The tab caption: the file's name without its extension; "&" is no mnemonic there.
    static QString Caption(const QString& path);
    // The tab caption of an entry: an imported document's title once it is known, else Caption.
    QString TabCaption(const QString& path) const;
    // " path [size Bytes]", or why the shown document could not be loaded.
    QString StatusText(int i) const;

private:
    QStringList& FPlaylist;
    QHash<QString, settings::TDocumentFormat> FFormats; // as each file was last read or written
    // Imported documents as last loaded, without their text (the editor holds that).
    QHash<QString, documents::TImportedDocument> FImported;
    // The last few imports whole, so that coming back to a tab does not import it again while
    // its file is unchanged.
    struct TCachedImport {
        qint64 Size = -1;
        QDateTime Modified;
        documents::TImportedDocument Document;
    };
    QHash<QString, TCachedImport> FImportCache;
    QStringList FImportOrder; // oldest first
    documents::TImportedDocument ImportCached(const QString& path);
    QString FShownPath;
    QString FUnloaded;
};

} // namespace mainwindow
