// SPDX-License-Identifier: GPL-3.0-or-later
// Where each of the program's files lives. Two layouts, decided once at start:
// - portable: everything in the program folder (the executable's), as the build folder has it;
// - installed: the user's settings in $XDG_CONFIG_HOME/nurva/, the user's documents and audio in
//   $XDG_DATA_HOME/nurva/, the manual and the sample documents read from the installed data
//   folder (share/nurva/ beside the bin/ of the executable).
// A portable program writes nothing outside its folder. No other part of the program composes
// these paths.
#pragma once

#include <QString>
#include <QStringList>

namespace platform {

class TProgramFolders {
public:
    enum TMode { Portable, Installed };

    // A portable program folder, with or without its trailing "/".
    TProgramFolders(const QString& appDir);
    // Installed: settings in `configDir`, documents and audio in `dataDir`, the manual and the
    // samples (in "txt/") read from `sharedDir`.
    TProgramFolders(const QString& configDir, const QString& dataDir, const QString& sharedDir);

    // The layout for the executable in `appDir`: portable when a file "portable" stands beside
    // it; installed when the installed data folder is there (a prefix written by the install,
    // which may be writable, such as ~/.local or a root's /usr, is still no place for a user's
    // files); else portable when the folder can be written, installed when it cannot (then the
    // manual and samples stay in the program folder). The user's folders follow
    // $XDG_CONFIG_HOME and $XDG_DATA_HOME, ~/.config and ~/.local/share when they are unset.
    static TProgramFolders ForProgram(const QString& appDir);

    TMode Mode() const { return FMode; }
    QString ConfigFile() const;      // config.ini
    QString PlaylistFile() const;    // playlist.apl
    QString LexiconFile() const;     // lexicon.txt, the voice's pronunciations
    QString LexiconSeenFile() const; // lexicon.seen, the faults of lexicon.txt the user has seen
    // The documents' and audio's default folders, with their trailing "/".
    QString TxtDir() const;
    QString WavDir() const;
    QString Mp3Dir() const;
    // The sample documents as a first playlist lists them (in TxtDir).
    QStringList SampleDocuments() const;
    // help.html, read only.
    QString Manual() const;
    // The device volume the program keeps between runs (the desktop keeps an application's
    // volume with its settings).
    QString DeviceVolumeFile() const;
    // A small file that remembers that the user was told something once.
    QString MarkFile(const QString& name) const;
    // The single instance's folder when the system offers no private runtime folder: the
    // user's cache folder (installed) or the program folder (portable), one per machine, since
    // a home may be shared by several.
    QString RuntimeFallbackDir() const;
    // The program's picture for the desktop to show beside it (a PNG file), read only.
    QString Icon() const;

    // Makes the user's folders when they are missing; a documents folder made now gets the
    // sample documents. Portable: nothing to do. Returns why a folder could not be made (the
    // settings or documents would be lost), empty when all is in place.
    QString Prepare() const;

private:
    TMode FMode;
    QString FConfigDir, FDataDir, FSharedDir; // each with its trailing "/"
};

} // namespace platform
