// SPDX-License-Identifier: GPL-3.0-or-later
// Inside the conversion pipeline (Mp3Pipeline.h): its system work on processes and file
// descriptors. A worker or an encoder is started with its standard streams on given
// descriptors and waited for; its log's last line is what it said last; a piece's file is
// appended to the output inside the system where it can be; and a refused write tells whether
// the disk was the reason.
#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>
#include <sys/types.h>

namespace Lame {

// Whether the system refused a write for want of room (a full disk, a quota, a file too large)
// or of a working disk: the reason to tell the user rather than the writer's own words.
bool DiskRefused(int error);

// The last line of what was written to `fd` (its last 2 KB are read); `line` stays as it was
// when they can't be read.
void LastLineOf(int fd, QString& line);

// Starts `program` with `arguments` and its standard input, output and error on `in`, `out`
// and `err`; its process id, or -1 when it could not be started.
pid_t Spawn(const QString& program, const QStringList& arguments, int in, int out, int err);

// Waits for the process to end: its exit code, or -1 when it did not end normally.
int WaitFor(pid_t pid);

// Writes all of `data`, whatever portions the system takes; false when it refuses.
bool WriteAll(int fd, const char* data, std::size_t size);

// Appends the file `from` to `to`; false when it can't be read or written.
bool AppendFile(int to, const QString& from);

} // namespace Lame
