// SPDX-License-Identifier: GPL-3.0-or-later
#include "DocumentList.h"

#include "Importer.h"
#include "KoUtils.h"
#include "Product.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace mainwindow {

documents::TImportedDocument TDocumentList::ImportCached(const QString& path) {
    constexpr int Kept = 3;
    const QFileInfo info(path);
    const auto cached = FImportCache.constFind(path);
    if (cached != FImportCache.cend() && cached->Size == info.size() &&
        cached->Modified == info.lastModified())
        return cached->Document;
    FImportCache.remove(path);
    FImportOrder.removeAll(path);
    documents::TImportedDocument doc = documents::Import(path);
    FImportCache.insert(path, {info.size(), info.lastModified(), doc});
    FImportOrder.append(path);
    while (FImportOrder.size() > Kept)
        FImportCache.remove(FImportOrder.takeFirst());
    return doc;
}

TLoadedDocument TDocumentList::Show(const QString& path) {
    FShownPath = path;
    FUnloaded.clear();
    TLoadedDocument result;
    if (QFileInfo(path).isFile() && documents::IsImported(path)) {
        result.Imported = true;
        try {
            documents::TImportedDocument doc = ImportCached(path);
            result.Text = std::move(doc.Text);
            result.Imported = true;
            doc.Text.clear();
            FImported.insert(path, doc);
        } catch (const documents::EImportError& e) {
            FImported.remove(path);
            FUnloaded = e.Message();
            result.State = TLoadedDocument::Unloaded;
            result.Error = FUnloaded;
        }
        return result;
    }
    FImported.remove(path);
    try {
        settings::TDocumentFormat format;
        std::optional<QString> text = settings::ReadDocument(path, &format);
        if (text) {
            FFormats.insert(path, format);
            result.Text = std::move(*text);
            return result;
        }
    } catch (const settings::EFileError& e) {
        FUnloaded = e.Message();
        result.State = TLoadedDocument::Unloaded;
        result.Error = FUnloaded;
        return result;
    }
    result.State = TLoadedDocument::Created;
    result.Text = QString::fromLatin1(product::Greeting);
    FFormats.insert(path, settings::TDocumentFormat{});
    try {
        settings::CreateNewFile(path, result.Text.toUtf8());
    } catch (const settings::EFileError& e) {
        result.Error = e.Message();
    }
    return result;
}

void TDocumentList::ShowNothing() {
    FShownPath.clear();
    FUnloaded.clear();
}

QString TDocumentList::New(const QString& folder) {
    QString name;
    for (int n = 1;; ++n) {
        name = QStringLiteral("%1untitled%2.txt").arg(folder).arg(n);
        if (QFileInfo::exists(name) || QFileInfo(name).isSymLink() || FPlaylist.contains(name))
            continue;
        try {
            settings::CreateNewFile(name, {});
            break;
        } catch (const settings::EFileError&) {
            const QFileInfo taken(name);
            if ((taken.exists() || taken.isSymLink()) && n < 100000)
                continue; // another program took the name just now
            throw;
        }
    }
    FShownPath = name;
    FUnloaded.clear();
    FFormats.insert(name, settings::TDocumentFormat{});
    FPlaylist.append(name);
    return name;
}

QString TDocumentList::Save(const QString& path, const QString& text) {
    if (FImported.contains(path) || (QFileInfo(path).isFile() && documents::IsImported(path)))
        throw settings::EFileError(
            QCoreApplication::translate("TDocumentList",
                                        "Cannot write \"%1\": it is a document of its own format, "
                                        "which plain text would destroy; save the text as a .txt "
                                        "file.")
                .arg(path));
    const settings::TDocumentFormat format = FFormats.value(FShownPath);
    settings::TextEncoding written = format.Encoding;
    settings::WriteFileAtomically(path, settings::EncodeDocument(text, format, &written));
    settings::TDocumentFormat now = format;
    now.Encoding = written;
    FFormats.insert(path, now);
    if (written == format.Encoding)
        return {};
    //: Told in the status bar after a save; %1 is the name of the encoding the file had
    return QCoreApplication::translate(
               "TDocumentList", "saved as UTF-8, since %1 cannot hold every character of the text")
        .arg(format.Encoding == settings::TextEncoding::Detected ? QString::fromLatin1(format.Codec)
                                                                 : QStringLiteral("Windows-1252"));
}

namespace {
// "<folder>/<name>.txt", or "<name> (2).txt" and on when that is taken.
QString FreeTextName(const QString& folder, const QString& base, const QStringList& listed) {
    for (int n = 1; n < 1000; ++n) {
        const QString name = folder + base + (n == 1 ? QString() : QStringLiteral(" (%1)").arg(n)) +
                             QStringLiteral(".txt");
        if (!QFileInfo::exists(name) && !QFileInfo(name).isSymLink() && !listed.contains(name))
            return name;
    }
    return {};
}
} // namespace

QString TDocumentList::SaveAsName(int i) const {
    if (!ValidIndex(i))
        return {};
    const QString& path = FPlaylist[i];
    if (!FImported.contains(path))
        return path;
    const QFileInfo info(path);
    return info.absolutePath() + u'/' + info.completeBaseName() + QStringLiteral(".txt");
}

QString TDocumentList::SaveImported(int i, const QString& text, const QString& folder) {
    if (!ValidIndex(i))
        throw settings::EFileError(QCoreApplication::translate(
            "TDocumentList", "Cannot save: there is no such document."));
    const QString source = FPlaylist[i];
    const QFileInfo info(source);
    const QString base = info.completeBaseName();
    const QByteArray bytes = settings::EncodeDocument(text, settings::TDocumentFormat{});
    QString written;
    QString firstError;
    for (const QString& dir : {info.absolutePath() + u'/', folder}) {
        const QString name = FreeTextName(dir, base, FPlaylist);
        if (name.isEmpty())
            continue;
        try {
            QDir().mkpath(dir);
            settings::CreateNewFile(name, bytes);
            written = name;
            break;
        } catch (const settings::EFileError& e) {
            if (firstError.isEmpty())
                firstError = e.Message();
        }
    }
    if (written.isEmpty())
        throw settings::EFileError(
            firstError.isEmpty()
                ? QCoreApplication::translate("TDocumentList",
                                              "Cannot find a free name for the text of \"%1\".")
                      .arg(source)
                : firstError);
    FImported.remove(source);
    FFormats.insert(written, settings::TDocumentFormat{});
    FPlaylist[i] = written;
    if (FShownPath == source)
        FShownPath = written;
    return written;
}

int TDocumentList::SavedAs(int i, const QString& chosen) {
    FShownPath = chosen;
    const int other = int(FPlaylist.indexOf(chosen));
    if (other < 0) {
        FPlaylist[i] = chosen; // the document keeps its position
        return i;
    }
    if (other == i)
        return i;
    FPlaylist.removeAt(i);
    FPlaylist.removeAll(chosen);
    FPlaylist.append(chosen);
    return int(FPlaylist.size()) - 1;
}

int TDocumentList::Add(const QStringList& paths, bool textOnly) {
    int added = 0;
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (textOnly &&
            KoUtils::ExtractFileExt(info.fileName()).toLower() != QLatin1String(".txt") &&
            !documents::IsImported(path))
            continue;
        const QString full = info.absoluteFilePath();
        if (FPlaylist.contains(full))
            continue;
        FPlaylist.append(full);
        ++added;
    }
    return added;
}

void TDocumentList::Close(int i, const QString& folder) {
    if (!ValidIndex(i))
        return;
    FPlaylist.removeAt(i);
    if (FPlaylist.isEmpty())
        FPlaylist.append(folder + QStringLiteral("untitled.txt"));
}

void TDocumentList::CloseAll(const QString& folder) {
    FPlaylist.clear();
    FPlaylist.append(folder + QStringLiteral("untitled.txt"));
}

QString TDocumentList::Caption(const QString& path) {
    return QFileInfo(path).completeBaseName().replace(u'&', QStringLiteral("&&"));
}

QString TDocumentList::TabCaption(const QString& path) const {
    const QString title = FImported.value(path).Title;
    return title.isEmpty() ? Caption(path) : QString(title).replace(u'&', QStringLiteral("&&"));
}

QString TDocumentList::StatusText(int i) const {
    if (!ValidIndex(i))
        return {};
    if (Unloaded() && FShownPath == FPlaylist[i])
        return QLatin1Char(' ') + FUnloaded;
    //: The status bar's text for a document: %1 is its path, %2 its size
    return QCoreApplication::translate("TDocumentList", " %1 [%2 Bytes]")
        .arg(FPlaylist[i], KoUtils::FileSizeText(FPlaylist[i]));
}

} // namespace mainwindow
