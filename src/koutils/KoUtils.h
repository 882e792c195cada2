// SPDX-License-Identifier: GPL-3.0-or-later
// Small utilities used all over the program: the program folder and title, message boxes,
// guarded steps, file names, and the system work (opening files with the desktop, child
// processes, device volume, single instance), which goes to the process's platform services.
#pragma once

#include "platform/ProgramFolders.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <utility>

namespace KoUtils {

// Message box flags, as the program passes them around.
inline constexpr int MB_OK = 0;
inline constexpr int MB_ICONERROR = 16;
inline constexpr int MB_ICONQUESTION = 32;
inline constexpr int MB_ICONWARNING = 48;
inline constexpr int MB_ICONINFORMATION = 64;

// The folder of the executable, with a trailing "/"; fixed at start.
QString AppDir();
// The executable's file name up to its first dot, letters after the first in lower case.
QString ApplicationTitle();
// Overrides what AppDir and ApplicationTitle derive from (the path of the executable).
void SetExecutablePath(const QString& path);
// Where the program's files are, portable or installed: decided on the first call for AppDir
// (and again after SetExecutablePath).
platform::TProgramFolders Folders();

// The window build installs its message boxes here; without them, a process has its console
// as its message box: text on standard output, errors (MB_ICONERROR) on standard error.
using MessageBoxHandler =
    std::function<int(const QString& text, const QString& caption, int flags)>;
void SetMessageBoxHandler(MessageBoxHandler handler);

void ShowMessageBox(const QString& text, int flags);
// OK and Cancel, Cancel the default; true only for OK. Without a window: false.
bool ConfirmBox(const QString& text);
// Opens a file, folder or address with the desktop's handler; does not wait for it.
void ShellOpen(const QString& target);
// Runs a program with its arguments (each passed as it is, no shell) and waits for it;
// returns its exit code, or -1 when it cannot be started or did not end normally. What the
// program printed goes to `output` when given (its last 4 KB), else nowhere.
int RunAndWait(const QString& program, const QStringList& arguments, QString* output = nullptr);
// Gives the owner write permission when the file lacks it.
void ClearReadOnly(const QString& path);
// "-1" when no file is there, else its size in bytes (low 32 bits), in decimal.
QString FileSizeText(const QString& path);
// Volume of this program's sound output, 0..65535 (65535 when it cannot be read).
int GetWaveVolume();
void SetWaveVolume(int value);
// The file name's extension with its dot ("a/b.txt" -> ".txt"); empty when it has none. A dot
// in a folder's name or at the start of the file name ("a.d/.profile") is no extension.
QString ExtractFileExt(const QString& path);
// The path with its extension replaced by `ext` (which carries its dot, or is empty).
QString ChangeFileExt(const QString& path, const QString& ext);

// File names as the system holds them: bytes, which need not be UTF-8. Every byte that is not
// part of a UTF-8 character becomes U+DC80..U+DCFF (a lone surrogate, as Python keeps such
// names), so that EncodeFileName gives the very same bytes back. Qt's own conversion would turn
// them into U+FFFD and lose the name.
QString DecodeFileName(const QByteArray& name);
QByteArray EncodeFileName(const QString& name);
// Whether a name reaches the system unchanged through Qt's conversions (QFile, QProcess):
// false for names that DecodeFileName had to escape.
bool IsPlainFileName(const QString& name);
// True when both names lead to one and the same existing file (same device and inode, after
// links), however they are spelt: "a.wav", "./a.wav", "/abs/a.wav", a link to it.
bool SameFile(const QString& a, const QString& b);

// One step of a longer procedure: an error inside ends that step silently, and the next one
// runs. For steps whose failure must not stop creation or destruction.
template <class F> void Guarded(F&& step) noexcept {
    try {
        step();
    } catch (...) {
    }
}

// True when another windowed instance of the program runs (the name is kept for the life of
// this process, and the system releases it when the process ends, however it ends).
bool IsAlreadyRunning();
// The name the windowed reader holds while it runs (per user).
QString InstanceName();

} // namespace KoUtils
