// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the alarm's text file: the input is the file the alarm reads aloud. Whatever
// it holds, the alarm speaks the text before, the file's lines each ended by CR LF and the text
// after, with no other line break; its lines are the lines the editor shows of the same file.
#include "AlarmLogic.h"
#include "Document.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

using namespace desktop;

namespace {

void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "fuzz_AlarmText: %s\n", what);
        std::abort();
    }
}

const QString& FilePath() {
    static const QString path = [] {
        char name[] = "/tmp/fuzz_AlarmText.XXXXXX";
        const int fd = ::mkstemp(name);
        if (fd < 0)
            std::abort();
        ::close(fd);
        std::atexit([] { ::unlink(FilePath().toLocal8Bit().constData()); });
        return QString::fromLocal8Bit(name);
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int fd = ::open(FilePath().toLocal8Bit().constData(), O_WRONLY | O_TRUNC);
    if (fd < 0 || ::write(fd, data, size) != ssize_t(size) || ::close(fd) != 0)
        std::abort();

    settings::TSettings s;
    s.Alarm = true;
    s.AlarmInterval = 15;
    s.AlarmStyle = 1;
    s.AlarmTxtFile = FilePath();
    s.AlarmBefore = QStringLiteral("Before");
    s.AlarmAfter = QStringLiteral("after");
    s.AlarmMsgBox = size % 2;
    const std::optional<TAlarmAction> a =
        AlarmPass(s, QDateTime(QDate(2026, 12, 24), QTime(8, 30, 0)));
    Check(a && a->Kind == TAlarmAction::Speak, "the alarm did not speak");
    Check(a->Text.startsWith(QStringLiteral("Before ")) &&
              a->Text.endsWith(QStringLiteral(" after")),
          "the text before or after is missing");
    Check(a->Box == (s.AlarmMsgBox ? std::optional<QString>(a->Text) : std::nullopt),
          "the message box does not show what is spoken");
    const QString content = a->Text.sliced(7, a->Text.size() - 13);
    Check(content.isEmpty() || content.endsWith(QStringLiteral("\r\n")),
          "a line without its line break");
    QString bare = content;
    bare.remove(QStringLiteral("\r\n"));
    Check(!bare.contains(u'\r') && !bare.contains(u'\n'), "a line break other than CR LF");

    // The editor's lines of the same file: those of the text it reads, when it reads one.
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = settings::DecodeDocument(bytes);
    QStringList lines = settings::SplitLines(text);
    Check(content == (lines.isEmpty() ? QString() : lines.join(QStringLiteral("\r\n")) + "\r\n"),
          "the alarm's lines are not the file's");
    try {
        if (const std::optional<QString> doc = settings::ReadDocument(FilePath()))
            Check(settings::SplitLines(*doc) == lines, "the editor reads other lines");
    } catch (const settings::EFileError&) {
        Check(text.contains(QChar(0)), "the editor refuses a text");
    }
    return 0;
}
