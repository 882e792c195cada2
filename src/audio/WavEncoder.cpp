// SPDX-License-Identifier: GPL-3.0-or-later
// WAV: the samples as they are, after the same header the engine's own WAV files have (RIFF,
// a JUNK chunk that becomes "ds64" when the file outgrows 4 GB, fmt, data). On a pipe the header
// is written once and says "as long as it goes", as streaming WAV writers do.
#include "EncoderUnits.h"

#include "KoUtils.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace audio {

namespace {

constexpr long kHeaderSize = 12 + 36 + 24 + 8;
constexpr std::uint64_t kRiffMaxData = 0xFFFFFFFFull - (kHeaderSize - 8);

void Put(unsigned char* p, std::uint64_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        p[i] = (v >> (8 * i)) & 0xFF;
}

class TWavEncoder final : public TEncoder {
public:
    ~TWavEncoder() override {
        if (FFile)
            std::fclose(FFile);
    }

    bool Open(const QString& path, const TPcmFormat& format, int) override {
        FFormat = format;
        if (path == QLatin1String("-")) {
            const int fd = ::fcntl(1, F_DUPFD_CLOEXEC, 3);
            FFile = fd >= 0 ? ::fdopen(fd, "wb") : nullptr;
        } else {
            FFile = std::fopen(KoUtils::EncodeFileName(path).constData(), "wb");
        }
        if (!FFile)
            return Failed(path);
        std::setvbuf(FFile, FBuffer.data(), _IOFBF, FBuffer.size());
        FStream = std::fseek(FFile, 0, SEEK_CUR) != 0;
        FPath = path;
        return Header() || Failed(path);
    }

    bool Write(const std::int16_t* samples, std::size_t frames) override {
        const std::size_t bytes = frames * std::size_t(FFormat.Channels) * 2;
        if (std::fwrite(samples, 1, bytes, FFile) != bytes)
            return Failed(FPath);
        FData += bytes;
        return true;
    }

    bool CanCopy() const override { return FFile && !FStream; }

    bool Copy(int fd, qint64 offset, qint64 bytes) override {
        if (std::fflush(FFile) != 0)
            return Failed(FPath);
        const int to = ::fileno(FFile);
        off_t from = off_t(offset);
        for (qint64 left = bytes; left > 0;) {
            ssize_t n = ::copy_file_range(fd, &from, to, nullptr, std::size_t(left), 0);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 &&
                (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP)) {
                // Between file systems that can't: through this process.
                char buffer[1 << 16];
                n = ::pread(fd, buffer, std::size_t(std::min<qint64>(left, sizeof buffer)), from);
                if (n > 0 && ::write(to, buffer, std::size_t(n)) != n)
                    return Failed(FPath);
                from += n > 0 ? n : 0;
            }
            if (n == 0)
                errno = EIO; // fewer samples than were said to be there
            if (n <= 0)
                return Failed(FPath);
            left -= n;
        }
        FData += std::uint64_t(bytes);
        // The stream goes on where the copy ended.
        return std::fseek(FFile, 0, SEEK_END) == 0 || Failed(FPath);
    }

    bool Close() override {
        bool ok = FStream || (std::fseek(FFile, 0, SEEK_SET) == 0 && Header());
        ok = std::fclose(std::exchange(FFile, nullptr)) == 0 && ok;
        return ok || Failed(FPath);
    }

private:
    bool Failed(const QString& path) {
        FError =
            path == QLatin1String("-")
                ? QCoreApplication::translate("TWavEncoder",
                                              "The WAV could not be written to standard output: %1")
                      .arg(QString::fromLocal8Bit(std::strerror(errno)))
                : QCoreApplication::translate("TWavEncoder", "The file %1 could not be written: %2")
                      .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }

    bool Header() {
        const bool rf64 = FData > kRiffMaxData;
        const std::uint32_t channels = std::max(FFormat.Channels, 1);
        unsigned char h[kHeaderSize] = {};
        std::memcpy(h, rf64 ? "RF64" : "RIFF", 4);
        Put(h + 4, FStream || rf64 ? 0xFFFFFFFFu : std::uint32_t(kHeaderSize - 8 + FData), 4);
        std::memcpy(h + 8, "WAVE", 4);
        std::memcpy(h + 12, rf64 ? "ds64" : "JUNK", 4);
        Put(h + 16, 28, 4);
        if (rf64) {
            Put(h + 20, kHeaderSize - 8 + FData, 8);
            Put(h + 28, FData, 8);
            Put(h + 36, FData / (2 * channels), 8);
        }
        unsigned char* f = h + 48;
        std::memcpy(f, "fmt ", 4);
        Put(f + 4, 16, 4);
        Put(f + 8, 1, 2); // PCM
        Put(f + 10, channels, 2);
        Put(f + 12, std::uint32_t(FFormat.Rate), 4);
        Put(f + 16, std::uint32_t(FFormat.Rate) * channels * 2, 4);
        Put(f + 20, channels * 2, 2);
        Put(f + 22, 16, 2);
        std::memcpy(f + 24, "data", 4);
        Put(f + 28, FStream || rf64 ? 0xFFFFFFFFu : std::uint32_t(FData), 4);
        return std::fwrite(h, 1, sizeof h, FFile) == sizeof h;
    }

    std::FILE* FFile = nullptr;
    // A buffer of its own: without one the C library keeps to a page, whatever size it is asked.
    std::vector<char> FBuffer = std::vector<char>(1 << 16);
    QString FPath;
    TPcmFormat FFormat;
    std::uint64_t FData = 0;
    bool FStream = false;
};

} // namespace

std::unique_ptr<TEncoder> MakeWavEncoder() {
    return std::make_unique<TWavEncoder>();
}

} // namespace audio
