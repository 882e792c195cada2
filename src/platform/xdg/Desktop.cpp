// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/xdg/Desktop.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

namespace platform {

void TXdgDesktop::Open(const QString& target) {
    const QUrl url = QUrl::fromUserInput(target, QString(), QUrl::AssumeLocalFile);
    QProcess::startDetached(QStringLiteral("xdg-open"), {url.toString()});
}

TXdgDeviceVolume::TXdgDeviceVolume(QString path) : FPath(std::move(path)) {
    if (FPath.isEmpty())
        FPath = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                QStringLiteral("/nurva/device-volume");
    QFile f(FPath);
    if (f.open(QIODevice::ReadOnly)) {
        bool ok = false;
        const qulonglong v = f.readLine(32).trimmed().toULongLong(&ok);
        if (ok && v <= 0xFFFFFFFFull)
            FValue = std::uint32_t(v);
    }
}

bool TXdgDeviceVolume::Save() {
    std::lock_guard lock(FSaveMutex);
    QDir().mkpath(QFileInfo(FPath).absolutePath());
    QSaveFile f(FPath);
    return f.open(QIODevice::WriteOnly) && f.write(QByteArray::number(FValue.load()) + '\n') >= 0 &&
           f.commit();
}

} // namespace platform
