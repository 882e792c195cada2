// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>

#include <filesystem>
#include <system_error>

// The installed data folder as seen from the folder of the installed executable.
#ifndef NURVA_DATA_FROM_BIN
#define NURVA_DATA_FROM_BIN "../share/nurva"
#endif

namespace platform {

namespace {

const char* const SampleNames[] = {"sample1.txt", "sample2.txt", "sample3.txt"};

QString WithSlash(const QString& dir) {
    return dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/');
}

QString UserFolder(QStandardPaths::StandardLocation location) {
    return WithSlash(QStandardPaths::writableLocation(location)) + QStringLiteral("nurva/");
}

// Empty when `dir` is a folder this process can write to (made when missing), else why not.
QString MakeFolder(const QString& dir) {
    std::error_code error;
    const std::filesystem::path path(dir.toStdString());
    std::filesystem::create_directories(path, error);
    if (!error && !QFileInfo(dir).isDir())
        error = std::make_error_code(std::errc::not_a_directory);
    if (!error && !QFileInfo(dir).isWritable())
        error = std::make_error_code(std::errc::permission_denied);
    if (!error)
        return {};
    return QCoreApplication::translate("ProgramFolders", "The folder %1 cannot be made: %2.")
        .arg(dir, QString::fromLocal8Bit(error.message()));
}

} // namespace

TProgramFolders::TProgramFolders(const QString& appDir)
    : FMode(Portable), FConfigDir(WithSlash(appDir)), FDataDir(FConfigDir), FSharedDir(FConfigDir) {
}

TProgramFolders::TProgramFolders(const QString& configDir, const QString& dataDir,
                                 const QString& sharedDir)
    : FMode(Installed), FConfigDir(WithSlash(configDir)), FDataDir(WithSlash(dataDir)),
      FSharedDir(WithSlash(sharedDir)) {}

TProgramFolders TProgramFolders::ForProgram(const QString& appDirIn) {
    const QString appDir = WithSlash(appDirIn);
    if (QFileInfo::exists(appDir + QStringLiteral("portable")))
        return TProgramFolders(appDir);
    const QString shared = WithSlash(QDir::cleanPath(appDir + QStringLiteral(NURVA_DATA_FROM_BIN)));
    const bool installed = QFileInfo::exists(shared + QStringLiteral("help.html"));
    if (!installed && QFileInfo(appDir).isWritable())
        return TProgramFolders(appDir);
    return TProgramFolders(UserFolder(QStandardPaths::GenericConfigLocation),
                           UserFolder(QStandardPaths::GenericDataLocation),
                           installed ? shared : appDir);
}

QString TProgramFolders::ConfigFile() const {
    return FConfigDir + QStringLiteral("config.ini");
}

QString TProgramFolders::LexiconFile() const {
    return FConfigDir + QStringLiteral("lexicon.txt");
}

QString TProgramFolders::LexiconSeenFile() const {
    return FConfigDir + QStringLiteral("lexicon.seen");
}

QString TProgramFolders::PlaylistFile() const {
    return FConfigDir + QStringLiteral("playlist.apl");
}

QString TProgramFolders::TxtDir() const {
    return FDataDir + QStringLiteral("txt/");
}

QString TProgramFolders::WavDir() const {
    return FDataDir + QStringLiteral("wav/");
}

QString TProgramFolders::Mp3Dir() const {
    return FDataDir + QStringLiteral("mp3/");
}

QStringList TProgramFolders::SampleDocuments() const {
    QStringList list;
    for (const char* name : SampleNames)
        list << TxtDir() + QLatin1String(name);
    return list;
}

QString TProgramFolders::Manual() const {
    return FSharedDir + QStringLiteral("help.html");
}

QString TProgramFolders::DeviceVolumeFile() const {
    return FConfigDir + QStringLiteral("device-volume");
}

QString TProgramFolders::MarkFile(const QString& name) const {
    return FConfigDir + name;
}

QString TProgramFolders::RuntimeFallbackDir() const {
    const QString machine = QSysInfo::machineHostName();
    if (FMode == Portable)
        return FConfigDir + QStringLiteral(".runtime-") + machine + QLatin1Char('/');
    return UserFolder(QStandardPaths::GenericCacheLocation) + QStringLiteral("runtime-") + machine +
           QLatin1Char('/');
}

QString TProgramFolders::Icon() const {
    return FSharedDir + QStringLiteral("nurva.png");
}

QString TProgramFolders::Prepare() const {
    if (FMode == Portable)
        return {};
    QStringList problems;
    auto make = [&problems](const QString& dir) {
        const QString problem = MakeFolder(dir);
        if (!problem.isEmpty())
            problems << problem;
        return problem.isEmpty();
    };
    make(FConfigDir);
    // Only a documents folder made now gets the samples: a user who deleted them keeps them
    // deleted.
    const bool firstStart = !QFileInfo::exists(TxtDir());
    if (make(TxtDir()) && firstStart) {
        for (const char* name : SampleNames) {
            const QString from = FSharedDir + QStringLiteral("txt/") + QLatin1String(name);
            const QString to = TxtDir() + QLatin1String(name);
            if (!QFile::copy(from, to)) {
                problems << QCoreApplication::translate(
                                "TProgramFolders", "The sample document %1 cannot be copied to %2.")
                                .arg(from, TxtDir());
                continue;
            }
            // The installed copy is read only; the user's is the user's to edit.
            QFile::setPermissions(to,
                                  QFile::permissions(to) | QFile::ReadOwner | QFile::WriteOwner);
        }
    }
    make(WavDir());
    make(Mp3Dir());
    if (problems.isEmpty())
        return {};
    return problems.join(QLatin1Char('\n')) +
           //: Follows the list of problems (keep the two line breaks at the start)
           QCoreApplication::translate(
               "TProgramFolders",
               "\n\nWhat the program keeps there (settings, playlist, documents, "
               "audio) cannot be saved until this is put right.");
}

} // namespace platform
