// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProcessIo.h"

#include "KoUtils.h"

#include <QByteArray>
#include <QList>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace Lame {

bool DiskRefused(int error) {
    return error == ENOSPC || error == EDQUOT || error == EFBIG || error == EIO;
}

void LastLineOf(int fd, QString& line) {
    const off_t size = ::lseek(fd, 0, SEEK_END);
    const off_t from = std::max<off_t>(0, size - 2048);
    QByteArray tail(int(size - from), '\0');
    if (::pread(fd, tail.data(), tail.size(), from) < 0)
        return;
    const QList<QByteArray> lines = tail.trimmed().split('\n');
    line = lines.isEmpty() ? QString() : QString::fromLocal8Bit(lines.last().trimmed());
}

pid_t Spawn(const QString& program, const QStringList& arguments, int in, int out, int err) {
    std::vector<QByteArray> bytes{KoUtils::EncodeFileName(program)};
    for (const QString& a : arguments)
        bytes.push_back(KoUtils::EncodeFileName(a));
    std::vector<char*> argv;
    for (QByteArray& b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in, 0);
    posix_spawn_file_actions_adddup2(&actions, out, 1);
    posix_spawn_file_actions_adddup2(&actions, err, 2);
    // This process survives SIGPIPE (see TMp3Pipeline::Start); its children get the usual end
    // instead.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, &attributes, argv.data(), environ) != 0)
        pid = -1;
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

int WaitFor(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= std::size_t(n);
    }
    return true;
}

bool AppendFile(int to, const QString& from) {
    const int fd = ::open(KoUtils::EncodeFileName(from).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool ok = true;
    for (;;) {
        const ssize_t n = ::copy_file_range(fd, nullptr, to, nullptr, 1 << 24, 0);
        if (n == 0)
            break;
        if (n > 0)
            continue;
        // Across file systems that can't: copy by hand.
        std::vector<char> buffer(1 << 20);
        ssize_t r;
        while ((r = ::read(fd, buffer.data(), buffer.size())) > 0)
            if (!WriteAll(to, buffer.data(), std::size_t(r))) {
                ok = false;
                break;
            }
        ok = ok && r == 0;
        break;
    }
    ::close(fd);
    return ok;
}

} // namespace Lame
