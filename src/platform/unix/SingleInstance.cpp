// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/unix/SingleInstance.h"

#include "platform/unix/InstanceMessages.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <utility>

namespace platform {

namespace {

// A later start that has connected says all it has to say at once; one that does not is
// dropped.
constexpr int ClientTimeoutMs = 5000;

// A folder only this user may enter: ours, not a link, no access for anyone else.
bool PrivateFolder(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::getuid() && (st.st_mode & 077) == 0;
}

bool FillAddress(const QString& path, sockaddr_un& addr) {
    const QByteArray bytes = QFile::encodeName(path);
    if (std::size_t(bytes.size()) >= sizeof addr.sun_path)
        return false;
    addr = {};
    addr.sun_family = AF_UNIX;
    std::memcpy(addr.sun_path, bytes.constData(), std::size_t(bytes.size()));
    return true;
}

// Makes `path` (and the folders above it) when missing; true when it then is private.
bool MakePrivate(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    ::mkdir(QFile::encodeName(path).constData(), 0700);
    return PrivateFolder(path);
}

bool SendAll(int fd, QByteArrayView bytes) {
    while (!bytes.isEmpty()) {
        const ssize_t n = ::send(fd, bytes.data(), std::size_t(bytes.size()), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes = bytes.sliced(n);
    }
    return true;
}

} // namespace

TUnixSingleInstance::TUnixSingleInstance(QString runtimeDir, QString homeFallback)
    : FRuntimeDir(std::move(runtimeDir)), FHomeFallback(std::move(homeFallback)) {
    while (FHomeFallback.size() > 1 && FHomeFallback.endsWith(u'/'))
        FHomeFallback.chop(1);
}

TUnixSingleInstance::~TUnixSingleInstance() {
    for (THeld& held : FHeld) {
        delete held.Notifier;
        if (held.Listener >= 0)
            ::close(held.Listener);
        if (held.Lock >= 0)
            ::close(held.Lock);
    }
}

QString TUnixSingleInstance::RuntimeDir() const {
    if (!FRuntimeDir.isEmpty()) {
        if (PrivateFolder(FRuntimeDir))
            return FRuntimeDir;
        FProblem = [dir = FRuntimeDir] {
            return tr("%1 is not a folder that only this user can enter.").arg(dir);
        };
        return {};
    }
    const QString xdg = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!xdg.isEmpty() && PrivateFolder(xdg))
        return xdg;
    // No runtime folder (a bare X session, a container): one of our own in the temporary
    // folder, made private. Another user may have made a folder or a link of that name first:
    // it is never used, and one under the home, where nobody else can make it, takes its place.
    const QString temp = QDir::tempPath() + QStringLiteral("/nurva-runtime-%1").arg(::getuid());
    if (MakePrivate(temp))
        return temp;
    if (!FHomeFallback.isEmpty() && MakePrivate(FHomeFallback))
        return FHomeFallback;
    FProblem = [temp, home = FHomeFallback] {
        //: %2 is empty, or ", and <folder> cannot be made one"
        return tr("There is no private runtime folder ($XDG_RUNTIME_DIR), %1 is not this "
                  "user's own private folder%2.")
            .arg(temp, home.isEmpty() ? QString() :
                                      //: Completes "... is not this user's own private folder%2."
                           tr(", and %1 cannot be made one").arg(home));
    };
    return {};
}

QString TUnixSingleInstance::PathFor(const QString& name, const char* suffix) const {
    const QString dir = RuntimeDir();
    if (dir.isEmpty())
        return {};
    QString base;
    for (QChar c : name)
        base += (c.isLetterOrNumber() && c.unicode() < 128) || c == u'-' || c == u'.' ? c : u'_';
    QString path = dir + u'/' + base + QLatin1String(suffix);
    // A socket's path is short; a long name goes by its digest.
    if (QFile::encodeName(path).size() > 100 || base.size() > 64)
        path = dir + u'/' +
               QString::fromLatin1(
                   QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex()) +
               QLatin1String(suffix);
    return path;
}

ClaimResult TUnixSingleInstance::Claim(const QString& name) {
    FProblem = nullptr;
    const QString lockPath = PathFor(name, ".lock");
    if (lockPath.isEmpty())
        return ClaimFailed;
    const int lock = ::open(QFile::encodeName(lockPath).constData(),
                            O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (lock < 0) {
        FProblem = [lockPath, why = QString::fromLocal8Bit(std::strerror(errno))] {
            return tr("The lock %1 cannot be made: %2.").arg(lockPath, why);
        };
        return ClaimFailed;
    }
    // The lock belongs to this open file: a second claim, even from this process, is refused.
    if (::flock(lock, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        ::close(lock);
        if (err != EWOULDBLOCK)
            FProblem = [lockPath, why = QString::fromLocal8Bit(std::strerror(err))] {
                return tr("The lock %1 cannot be taken: %2.").arg(lockPath, why);
            };
        return err == EWOULDBLOCK ? NameTaken : ClaimFailed;
    }
    THeld held;
    held.Lock = lock;
    // The socket left by a holder that crashed is ours to replace now that we hold the lock.
    const QString socketPath = PathFor(name, ".socket");
    sockaddr_un addr;
    if (FillAddress(socketPath, addr)) {
        ::unlink(addr.sun_path);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 &&
            ::listen(fd, 8) == 0) {
            held.Listener = fd;
        } else if (fd >= 0) {
            ::close(fd); // the name is held all the same; later starts just cannot reach us
        }
    }
    // Later starts may connect from now on; they wait in the queue until Serve.
    FHeld.insert(name, held);
    if (FServing)
        Listen(FHeld[name]);
    return NameClaimed;
}

void TUnixSingleInstance::Serve() {
    FServing = true;
    for (THeld& held : FHeld)
        Listen(held);
}

void TUnixSingleInstance::Listen(THeld& held) {
    if (held.Listener < 0 || held.Notifier)
        return;
    held.Notifier = new QSocketNotifier(held.Listener, QSocketNotifier::Read, this);
    const int listener = held.Listener;
    connect(held.Notifier, &QSocketNotifier::activated, this,
            [this, listener] { Accept(listener); });
}

void TUnixSingleInstance::Accept(int listener) {
    for (;;) {
        const int fd = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0)
            return;
        // Only this user's own processes are heard.
        ucred cred{};
        socklen_t len = sizeof cred;
        if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &cred, &len) != 0 || cred.uid != ::getuid()) {
            ::close(fd);
            continue;
        }
        // The messages are read as they come, without holding up the window; a client that
        // never finishes is dropped.
        auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        auto* timer = new QTimer(notifier);
        auto side = std::make_shared<instance::THolderSide>();
        // Once, whichever of the time-out and the conversation ends it first.
        auto finish = [notifier, fd, done = std::make_shared<bool>(false)] {
            if (std::exchange(*done, true))
                return;
            notifier->setEnabled(false);
            notifier->deleteLater();
            ::close(fd);
        };
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, notifier, finish);
        timer->start(ClientTimeoutMs);
        connect(notifier, &QSocketNotifier::activated, this, [this, fd, side, finish] {
            using instance::THolderSide;
            QByteArray in;
            char chunk[4096];
            ssize_t n;
            while ((n = ::read(fd, chunk, sizeof chunk)) > 0 && in.size() <= instance::MaxRequest)
                in.append(chunk, n);
            const bool ended = n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR);
            THolderSide::TStep step = side->Received(in, ended);
            // A start that gave up has gone: the answer finds nobody, and nothing is done.
            if (step == THolderSide::SendReady)
                step = SendAll(fd, instance::Ready) ? side->Received({}, ended) : THolderSide::Drop;
            if (step == THolderSide::Wait)
                return;
            // The start was told it worked once it said "go", whether or not it is there for
            // the "ok".
            if (step == THolderSide::Act)
                SendAll(fd, instance::Done);
            finish();
            if (step == THolderSide::Act)
                emit asked(side->Request());
        });
    }
}

bool TUnixSingleInstance::Ask(const QString& name, const TInstanceRequest& ask, int timeoutMs) {
    using namespace instance;
    sockaddr_un addr;
    if (!FillAddress(PathFor(name, ".socket"), addr))
        return false;
    const QByteArray request = Request(ask);
    QDeadlineTimer deadline(timeoutMs);
    // The holder may be starting still: its socket comes a moment after its lock. A holder that
    // hangs with its queue full refuses at once (the socket does not block), and is tried again.
    int fd = -1;
    while (fd < 0) {
        fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (fd < 0)
            return false;
        if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0)
            break;
        ::close(fd);
        fd = -1;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    // Sending the request, waiting for "ready", then (after "go") for "ok".
    enum { Sending, AwaitReady, AwaitDone } stage = Sending;
    bool committed = false;
    qsizetype sent = 0;
    QByteArray reply;
    pollfd p{fd, POLLOUT, 0};
    while (!deadline.hasExpired()) {
        p.events = stage == Sending ? POLLOUT : POLLIN;
        if (::poll(&p, 1, int(std::max<qint64>(1, deadline.remainingTime()))) <= 0)
            continue;
        if (stage == Sending) {
            const ssize_t n = ::send(fd, request.constData() + sent,
                                     std::size_t(request.size() - sent), MSG_NOSIGNAL);
            if (n < 0 && errno != EAGAIN && errno != EINTR)
                break;
            if (n > 0 && (sent += n) == request.size())
                stage = AwaitReady;
            continue;
        }
        char chunk[16];
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            continue;
        if (n <= 0)
            break;
        reply.append(chunk, n);
        const TRead r =
            ReadReply(reply, stage == AwaitReady ? QByteArrayView(Ready) : QByteArrayView(Done));
        if (r == TRead::Incomplete)
            continue;
        if (r == TRead::Malformed || stage == AwaitDone)
            break;
        // Still within the time: the holder is told to act, and from now on it is its job.
        committed = SendAll(fd, Go);
        if (!committed)
            break;
        reply.clear();
        stage = AwaitDone;
    }
    ::close(fd);
    return committed;
}

} // namespace platform
