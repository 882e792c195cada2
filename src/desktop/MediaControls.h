// SPDX-License-Identifier: GPL-3.0-or-later
// TMediaControls: the reader as a media player of the desktop (MPRIS on the session bus), so
// that the desktop's media widgets, the lock screen, the keyboard's media keys and a headset's
// buttons reach it. It only reports what was asked; the main window runs the commands and tells
// it what the reading does. Without a session bus nothing is published and nothing happens.
#pragma once

#include <QObject>
#include <QString>
#include <QVariantMap>

namespace desktop {

enum class TPlayback { Stopped, Playing, Paused };

class TMediaControls : public QObject {
    Q_OBJECT
public:
    explicit TMediaControls(QObject* parent = nullptr);
    ~TMediaControls() override;

    // Takes the player's name on the session bus (`org.mpris.MediaPlayer2.<name>`, or that
    // name with ".instance<pid>" when another process holds it). False without a bus.
    bool Publish(const QString& name);
    bool Published() const { return !FService.isEmpty(); }

    void SetPlayback(TPlayback playback);
    void SetTitle(const QString& title);
    void SetCanGoNext(bool can);
    void SetCanGoPrevious(bool can);
    void SetCanPlay(bool can);
    // The volume of the program's sound output, 0 to 1.
    void SetVolume(double volume);

    // What the bus reads.
    QString PlaybackStatus() const;
    QVariantMap Metadata() const;
    bool CanGoNext() const { return FCanGoNext; }
    bool CanGoPrevious() const { return FCanGoPrevious; }
    bool CanPlay() const { return FCanPlay; }
    bool CanPause() const { return FPlayback != TPlayback::Stopped; }
    double Volume() const { return FVolume; }

signals:
    // What the desktop asked, each a moment after its call was answered.
    void playPause();
    void play();
    void pause();
    void stop();
    void next();
    void previous();
    void raise();
    void quit();
    // The desktop set the volume (0 to 1); the window changes it and reports it back.
    void volumeRequested(double volume);

private:
    QString FService;
    TPlayback FPlayback = TPlayback::Stopped;
    QString FTitle;
    bool FCanGoNext = false, FCanGoPrevious = false, FCanPlay = true;
    double FVolume = 1.0;
    int FTrack = 0; // changes with the title, so that players see a new item

    // Tells the bus which of the player's properties changed.
    void Changed(const QStringList& names);
};

} // namespace desktop
