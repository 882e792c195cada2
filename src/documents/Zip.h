// SPDX-License-Identifier: GPL-3.0-or-later
// TZip: the members of a zip archive in memory (EPUB, OpenDocument and Office Open XML are
// zips), read through QuaZip with the bounds a hostile archive needs: a member that claims or
// turns out to expand beyond MaxArchiveMember, or an archive that expands beyond
// MaxArchiveExpansion in all, is refused before its bytes fill the memory.
#pragma once

#include "Imported.h"

#include <QBuffer>
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class QuaZip;

namespace documents {

class TZip {
public:
    // `kind` names the document in messages ("the EPUB book"). Throws EImportError when the
    // data is no zip archive or its directory is damaged.
    TZip(const QByteArray& data, const QString& kind);
    ~TZip();

    bool Has(const QString& name) const;
    QStringList Names() const { return FNames; }
    // The member's bytes. Throws EImportError when it is missing (unless `optional`, which
    // gives an empty array), damaged, encrypted or too large.
    QByteArray Read(const QString& name, bool optional = false);

private:
    [[noreturn]] void Fail(const QString& why) const;
    QByteArray FData;
    QBuffer FBuffer;
    std::unique_ptr<QuaZip> FZip;
    QStringList FNames;
    QString FKind;
    qint64 FExpanded = 0;
};

// True when `data` starts like a zip archive.
bool IsZip(const QByteArray& data);
// The first member's name and stored content when it is an uncompressed "mimetype" member, as
// EPUB and OpenDocument put it first; empty otherwise. Cheap: reads the local header only.
QByteArray ZipMimetype(const QByteArray& data);

} // namespace documents
