#include "DocumentList.h"

#include "KoUtils.h"
#include "Product.h"

#include <QFileInfo>

namespace mainwindow {

TLoadedDocument TDocumentList::Show(const QString& path) {
    FShownPath = path;
    FUnloaded.clear();
    TLoadedDocument result;
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
    const settings::TDocumentFormat format = FFormats.value(FShownPath);
    settings::TextEncoding written = format.Encoding;
    settings::WriteFileAtomically(path, settings::EncodeDocument(text, format, &written));
    FFormats.insert(path, settings::TDocumentFormat{written, format.LineEnd});
    if (written == format.Encoding)
        return {};
    return QStringLiteral(
        "saved as UTF-8, since Windows-1252 cannot hold every character of the text");
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
        if (textOnly && KoUtils::ExtractFileExt(info.fileName()).toLower() != QLatin1String(".txt"))
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

QString TDocumentList::StatusText(int i) const {
    if (!ValidIndex(i))
        return {};
    if (Unloaded() && FShownPath == FPlaylist[i])
        return QLatin1Char(' ') + FUnloaded;
    return QStringLiteral(" %1 [%2 Bytes]").arg(FPlaylist[i], KoUtils::FileSizeText(FPlaylist[i]));
}

} // namespace mainwindow
