#include "ClipMon.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace desktop {

TClipboardMonitor::TClipboardMonitor(QObject* owner) : QObject(owner) {}

TClipboardMonitor::~TClipboardMonitor() {
    SetActive(false);
}

void TClipboardMonitor::SetActive(bool value) {
    if (value == FActive)
        return;
    FActive = value;
    if (value)
        FConnection = connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
                              &TClipboardMonitor::Changed);
    else
        disconnect(FConnection);
}

void TClipboardMonitor::Changed() {
    if (FEnabled)
        emit OnClipboardChange();
}

QString TClipboardMonitor::ChangesUnavailable() {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return QStringLiteral("On Wayland only the window in front may see the clipboard: "
                              "copied text is not offered. Read Clipboard still reads it.");
    return {};
}

bool ClipboardOffered(const settings::TSettings& s, const std::optional<QString>& text) {
    if (!s.WatchClipboard || !text)
        return false;
    // Characters, not UTF-16 units: a surrogate pair counts once.
    qsizetype length = text->size();
    for (QChar c : *text)
        if (c.isLowSurrogate())
            --length;
    return length >= s.IgnoreLen;
}

bool TRepeatFilter::Fresh(const QString& text, qint64 nowMs) {
    const bool repeated = FLast && *FLast == text && nowMs - FLastMs < FWindowMs;
    FLast = text;
    FLastMs = nowMs;
    return !repeated;
}

namespace {

TClipboardText ReadToolkitClipboard() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
    if (!data || !data->hasText())
        return {};
    return {TClipboardText::Text, data->text()};
}

} // namespace

TClipboardText ReadClipboardText(int) {
    return ReadToolkitClipboard();
}

} // namespace desktop
