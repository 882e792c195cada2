// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop services Qt does not offer, each behind a small interface with one
// implementation per system (unix/, xdg/, x11/ ...) and a fake for the tests. The windowed
// start builds them once and hands them to the main window; the rest of the program reaches
// the process's own set through Services().
#pragma once

#include <QKeyCombination>
#include <QObject>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

namespace platform {

// Keys that work while another program has the focus. Each registration has an identifier of
// the caller's (the same key may be registered under several); a press reports the key, as the
// desktop saw it, not the identifier.
class IGlobalHotkeys : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // False when the desktop refuses the key (another program holds it); the caller keeps its
    // identifier all the same.
    virtual bool Register(int id, QKeyCombination key) = 0;
    virtual void Unregister(int id) = 0;
    // Frees every grab; runs at the program's end.
    virtual void ReleaseAll() = 0;
    // False where this session has no global keys at all (Wayland without X11).
    virtual bool Available() const = 0;
    // While suspended, the keys are not taken as global ones: pressed in this program's focused
    // window they reach that window (a field where the user presses a combination to choose
    // it). Registrations stay.
    virtual void Suspend(bool suspended) { (void)suspended; }
    // What the registration `id` does, for a desktop that shows the user what it binds (the
    // captions of the commands on that key). Given after Register.
    virtual void Describe(int id, const QString& description) {
        (void)id;
        (void)description;
    }
    // The key the desktop gave registration `id`, in the desktop's own words, where the desktop
    // chose another than asked (its settings change them); empty when it is the key asked for
    // or not known.
    virtual QString Assigned(int id) const {
        (void)id;
        return {};
    }
    // One sentence for the user on how global keys work in this session; empty when there is
    // nothing to say. Follows statusChanged.
    virtual QString Status() const { return {}; }
    // True where the keys work only in part (they reach the program only while some of the
    // desktop's windows have the focus): the user is told, as for a session without them.
    virtual bool Limited() const { return false; }

signals:
    // A registered key was pressed: runs on the user-interface thread.
    void pressed(QKeyCombination key);
    // Status, Available or an Assigned key changed (a desktop that answers later).
    void statusChanged();
};

// The file manager's commands for text files.
enum class TShellVerb { ReadAloud, ReadToWav, ReadToMp3 };

class IShellCommands {
public:
    virtual ~IShellCommands() = default;
    // `program` is the executable the command starts, with the job switch and the file (all
    // the selected files at once for ReadAloud, which reads them in turn); `icon` the picture
    // file the file manager shows beside it. Installing over an existing command rewrites it.
    // The commands never become the program a file manager opens text files with. Install and
    // Remove return false when a file could not be written or removed; LastError then tells
    // why.
    virtual bool Install(TShellVerb verb, const QString& program, const QString& icon) = 0;
    virtual bool Remove(TShellVerb verb) = 0;
    virtual bool Installed(TShellVerb verb) const = 0;
    virtual QString LastError() const = 0;
};

// The volume of this program's own sound output: left channel in the low 16 bits, right in
// the high ones. One value for the whole process; a change applies at once and is kept for the
// next start only by Save, which the program calls once at its end.
class IDeviceVolume {
public:
    virtual ~IDeviceVolume() = default;
    virtual std::uint32_t Get() const = 0;
    virtual void Set(std::uint32_t volume) = 0;
    virtual bool Save() = 0;
};

// Files, folders and addresses opened with the desktop's own handler; never waits for it.
class IDesktop {
public:
    virtual ~IDesktop() = default;
    virtual void Open(const QString& target) = 0;
};

enum ClaimResult { NameClaimed, NameTaken, ClaimFailed };

// What a later start hands the running reader.
struct TInstanceRequest {
    QStringList Files = {}; // absolute paths, to open
    QString Action = {};    // a command to run once the window is shown; empty for none
    QString ActivationToken =
        {}; // the desktop's permission to raise the window (Wayland); may be empty

    bool operator==(const TInstanceRequest&) const = default;
};

// A name one process of this user at a time may hold, released however the process ends. The
// holder hears later starts of the same user: they ask it to show itself and hand it their
// files.
class ISingleInstance : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual ClaimResult Claim(const QString& name) = 0;
    // The holder starts answering; called once its event loop exists.
    virtual void Serve() = 0;
    // Asks the holder of `name` to show itself and act on `request`. False when no holder
    // answered within `timeoutMs`; the holder then never acts on it, even when it wakes later.
    virtual bool Ask(const QString& name, const TInstanceRequest& request, int timeoutMs) = 0;
    // Why the last Claim failed, for the user; empty when it did not.
    virtual QString Problem() const { return {}; }

signals:
    // A later start asked; on the user-interface thread.
    void asked(const platform::TInstanceRequest& request);
};

struct TServices {
    std::shared_ptr<IGlobalHotkeys> Hotkeys;
    std::shared_ptr<IShellCommands> ShellCommands;
    std::shared_ptr<IDeviceVolume> Volume;
    std::shared_ptr<IDesktop> Desktop;
    std::shared_ptr<ISingleInstance> Instance;
};

// The implementations for the system the program runs on.
TServices SystemServices();

// The process's services: the system's until SetServices replaces them (at start, or in a
// test). Set them before any thread of the sound output starts.
const TServices& Services();
void SetServices(TServices services);

} // namespace platform
