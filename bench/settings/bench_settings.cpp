// SPDX-License-Identifier: GPL-3.0-or-later
// Load and save of the settings store with 10,000 reminders in config.ini and 10,000 entries in
// playlist.apl, on the real disk (saves include the flush to disk). The window's start-up and
// exit wait on these, so each should stay under 50 ms. QSettings, Qt's own INI store, does the
// same reminders side by side as a point of comparison.
#include "Global.h"
#include "IniFile.h"
#include "PlaylistFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace settings;

namespace {

constexpr int Runs = 15;
constexpr double TargetMs = 50;

struct TFigure {
    double median = 0, min = 0, max = 0;
};

TFigure Measure(const std::function<void()>& step) {
    std::vector<double> ms;
    for (int i = 0; i < Runs; ++i) {
        QElapsedTimer t;
        t.start();
        step();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.front(), ms.back()};
}

void Print(const char* what, const TFigure& f, bool target = false) {
    std::printf("%-44s median %7.2f ms  (min %7.2f, max %7.2f)", what, f.median, f.min, f.max);
    if (target)
        std::printf("  %5.2f x the 50 ms target", f.median / TargetMs);
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // Beside the build, on the same disk as a real program folder (not a memory file system).
    QTemporaryDir dir(QDir::currentPath() + "/bench_settings-XXXXXX");
    if (!dir.isValid())
        return 1;
    const QString appDir = dir.path() + "/";

    LoadSettings(appDir, QSize(1920, 1080));
    ReminderList.clear();
    Playlist.clear();
    for (int i = 0; i < 10000; ++i) {
        QString key = QString("%1.%2.2027 %3:%4:00")
                          .arg(1 + i % 28, 2, 10, QChar('0'))
                          .arg(1 + i / 28 % 12, 2, 10, QChar('0'))
                          .arg(i / 60 % 24, 2, 10, QChar('0'))
                          .arg(i % 60, 2, 10, QChar('0'));
        // One message in ten has line breaks and so takes the escaped form.
        QString message = i % 10 == 0
                              ? QString("Meeting %1\nroom 4, bring the notes\n").arg(i)
                              : QString("Call back about the order number %1 before noon").arg(i);
        ReminderList += key + "=" + message;
        Playlist += QString("/home/reader/Documents/txt/chapter-%1 of the long book.txt").arg(i);
    }
    SaveSettings(appDir);
    const QString ini = appDir + "config.ini", apl = appDir + "playlist.apl";
    std::printf("config.ini: %lld bytes, 10,000 reminders; playlist.apl: %lld bytes, 10,000 "
                "entries; %d runs each\n\n",
                QFileInfo(ini).size(), QFileInfo(apl).size(), Runs);

    Print("LoadSettings (config.ini + playlist.apl)",
          Measure([&] { LoadSettings(appDir, QSize(1920, 1080)); }), true);
    Print("SaveSettings (config.ini + playlist.apl)", Measure([&] { SaveSettings(appDir); }), true);
    if (ReminderList.size() != 10000 || Playlist.size() != 10000) {
        std::printf("lists changed in the round trip: %lld reminders, %lld entries\n",
                    ReminderList.size(), Playlist.size());
        return 1;
    }

    std::printf("\nparts:\n");
    Print("  read config.ini (TIniFile)", Measure([&] {
              TIniFile f;
              f.LoadFromFile(ini);
          }));
    Print("  read playlist.apl", Measure([&] { ReadPlaylistFile(apl); }));
    TIniFile loaded;
    loaded.LoadFromFile(ini);
    Print("  write config.ini (text + flush + rename)", Measure([&] { loaded.SaveToFile(ini); }));
    Print("  write playlist.apl", Measure([&] { WritePlaylistFile(apl, Playlist); }));
    Print("  format config.ini in memory", Measure([&] { (void)loaded.Text(); }));

    // Qt's INI store with the same reminders, for comparison.
    const QString qsPath = appDir + "qsettings.ini";
    auto qsWrite = [&] {
        QSettings qs(qsPath, QSettings::IniFormat);
        qs.remove("ReminderList");
        qs.beginGroup("ReminderList");
        for (const QString& line : std::as_const(ReminderList)) {
            qsizetype eq = line.indexOf('=');
            qs.setValue(line.first(eq), line.sliced(eq + 1));
        }
        qs.endGroup();
        qs.sync();
    };
    qsWrite();
    const TFigure qsSave = Measure(qsWrite);
    const TFigure qsLoad = Measure([&] {
        QSettings qs(qsPath, QSettings::IniFormat);
        qs.beginGroup("ReminderList");
        QStringList lines;
        for (const QString& k : qs.childKeys())
            lines += k + "=" + qs.value(k).toString();
    });
    const TFigure ourLoad = Measure([&] {
        TIniFile f;
        f.LoadFromFile(ini);
        (void)f.ReadListSection("ReminderList");
    });
    TIniFile ours;
    ours.LoadFromFile(ini);
    const TFigure ourSave = Measure([&] {
        ours.WriteListSection("ReminderList", ReminderList);
        ours.SaveToFile(ini);
    });
    std::printf("\nside by side, 10,000 reminders only:\n");
    Print("  QSettings (IniFormat) load", qsLoad);
    Print("  TIniFile load", ourLoad);
    Print("  QSettings (IniFormat) save", qsSave);
    Print("  TIniFile save", ourSave);
    std::printf("  ratio QSettings / TIniFile: load %.1f, save %.1f\n",
                qsLoad.median / ourLoad.median, qsSave.median / ourSave.median);
    return 0;
}
