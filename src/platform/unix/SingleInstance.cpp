#include "platform/unix/SingleInstance.h"

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {

ClaimResult TUnixSingleInstance::Claim(const QString& name) {
    QByteArray key = (name + QStringLiteral(" uid=%1").arg(getuid())).toUtf8();
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::size_t len = std::min(std::size_t(key.size()), sizeof addr.sun_path - 1);
    std::memcpy(addr.sun_path + 1, key.constData(), len); // leading NUL: abstract name
    int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return ClaimFailed;
    socklen_t size = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + len);
    if (bind(fd, reinterpret_cast<sockaddr*>(&addr), size) == 0)
        return NameClaimed; // the descriptor stays open: the name lives as long as we do
    int err = errno;
    close(fd);
    return err == EADDRINUSE ? NameTaken : ClaimFailed;
}

} // namespace platform
