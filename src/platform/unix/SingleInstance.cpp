#include "platform/unix/SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
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

namespace platform {

namespace {

// What a later start sends: this tag, then each file, every part ended by a NUL (a file name
// may hold any other byte). The holder answers with Answer once it has shown itself.
constexpr char Request[] = "show";
constexpr char Answer[] = "ok\n";
constexpr qsizetype MaxRequest = 1 << 20;
constexpr int ClientTimeoutMs = 2000;

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

} // namespace

TUnixSingleInstance::TUnixSingleInstance(QString runtimeDir) : FRuntimeDir(std::move(runtimeDir)) {}

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
    if (!FRuntimeDir.isEmpty())
        return PrivateFolder(FRuntimeDir) ? FRuntimeDir : QString();
    const QString xdg = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!xdg.isEmpty() && PrivateFolder(xdg))
        return xdg;
    // No runtime folder (a bare X session, a container): one of our own in the temporary
    // folder, made private; someone else's folder under that name is never used.
    const QString own = QDir::tempPath() + QStringLiteral("/nurva-runtime-%1").arg(::getuid());
    ::mkdir(QFile::encodeName(own).constData(), 0700);
    return PrivateFolder(own) ? own : QString();
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
    const QString lockPath = PathFor(name, ".lock");
    if (lockPath.isEmpty())
        return ClaimFailed;
    const int lock = ::open(QFile::encodeName(lockPath).constData(),
                            O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (lock < 0)
        return ClaimFailed;
    // The lock belongs to this open file: a second claim, even from this process, is refused.
    if (::flock(lock, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        ::close(lock);
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
        // The request is read as it comes, without holding up the window; a client that
        // never finishes is dropped.
        auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        auto* timer = new QTimer(notifier);
        auto buffer = std::make_shared<QByteArray>();
        auto finish = [notifier, fd] {
            notifier->setEnabled(false);
            notifier->deleteLater();
            ::close(fd);
        };
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, notifier, finish);
        timer->start(ClientTimeoutMs);
        connect(notifier, &QSocketNotifier::activated, this, [this, fd, buffer, finish] {
            char chunk[4096];
            ssize_t n;
            while ((n = ::read(fd, chunk, sizeof chunk)) > 0) {
                buffer->append(chunk, n);
                if (buffer->size() > MaxRequest) {
                    finish();
                    return;
                }
            }
            if (n < 0 && (errno == EAGAIN || errno == EINTR))
                return; // more to come
            // The client has said all it will.
            QList<QByteArray> parts = buffer->split('\0');
            const bool wellFormed = !parts.isEmpty() && parts.takeLast().isEmpty() &&
                                    !parts.isEmpty() && parts.takeFirst() == Request;
            if (wellFormed) {
                QStringList files;
                for (const QByteArray& part : parts)
                    if (!part.isEmpty())
                        files << QFile::decodeName(part);
                emit asked(files);
                [[maybe_unused]] ssize_t w = ::write(fd, Answer, sizeof Answer - 1);
            }
            finish();
        });
    }
}

bool TUnixSingleInstance::Ask(const QString& name, const QStringList& files, int timeoutMs) {
    sockaddr_un addr;
    if (!FillAddress(PathFor(name, ".socket"), addr))
        return false;
    QByteArray request(Request, sizeof Request); // with its NUL
    for (const QString& file : files)
        request += QFile::encodeName(file) + '\0';
    QDeadlineTimer deadline(timeoutMs);
    // The holder may be starting still: its socket comes a moment after its lock.
    int fd = -1;
    while (fd < 0) {
        fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
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
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    bool ok = false;
    qsizetype sent = 0;
    QByteArray reply;
    pollfd p{fd, POLLOUT, 0};
    while (!deadline.hasExpired()) {
        p.events = sent < request.size() ? POLLOUT : POLLIN;
        if (::poll(&p, 1, int(std::max<qint64>(1, deadline.remainingTime()))) <= 0)
            continue;
        if (sent < request.size()) {
            const ssize_t n = ::send(fd, request.constData() + sent,
                                     std::size_t(request.size() - sent), MSG_NOSIGNAL);
            if (n < 0 && errno != EAGAIN && errno != EINTR)
                break;
            if (n > 0 && (sent += n) == request.size())
                ::shutdown(fd, SHUT_WR);
            continue;
        }
        char chunk[16];
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n > 0) {
            reply.append(chunk, n);
            if ((ok = reply == Answer))
                break;
        } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
            break;
        }
    }
    ::close(fd);
    return ok;
}

} // namespace platform
