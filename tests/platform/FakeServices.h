// SPDX-License-Identifier: GPL-3.0-or-later
// Platform services for tests: they remember what the program asked of them, and the test
// plays the desktop's part (a pressed global key, a refused binding).
#pragma once

#include "platform/Services.h"

#include <QMap>
#include <QStringList>

#include <memory>
#include <set>

namespace fake {

class TGlobalHotkeys : public platform::IGlobalHotkeys {
public:
    bool Register(int id, QKeyCombination key) override {
        if (Refused.contains(key))
            return false;
        Keys[id] = key;
        return true;
    }
    void Unregister(int id) override { Keys.remove(id); }
    void ReleaseAll() override {
        Keys.clear();
        ++Releases;
    }
    bool Available() const override { return IsAvailable; }
    // The desktop reports a press of `key`.
    void Press(QKeyCombination key) { emit pressed(key); }

    QMap<int, QKeyCombination> Keys; // by identifier
    QList<QKeyCombination> Refused;  // another client holds these
    int Releases = 0;
    bool IsAvailable = true;
};

class TShellCommands : public platform::IShellCommands {
public:
    bool Install(platform::TShellVerb verb, const QString& program, const QString& icon) override {
        if (!Failure.isEmpty())
            return false;
        Verbs.insert(verb);
        Program = program;
        Icon = icon;
        return true;
    }
    bool Remove(platform::TShellVerb verb) override {
        if (!Failure.isEmpty())
            return false;
        Verbs.erase(verb);
        return true;
    }
    bool Installed(platform::TShellVerb verb) const override { return Verbs.count(verb) > 0; }
    QString LastError() const override { return Failure; }
    std::set<platform::TShellVerb> Verbs;
    QString Program; // of the last install
    QString Icon;
    QString Failure; // when set, every change fails with this text
};

class TDeviceVolume : public platform::IDeviceVolume {
public:
    std::uint32_t Get() const override { return Value; }
    void Set(std::uint32_t volume) override { Value = volume; }
    bool Save() override {
        Saved.append(Value);
        return true;
    }
    std::uint32_t Value = 0xFFFFFFFFu;
    QList<std::uint32_t> Saved; // each Save, with the value it kept
};

class TDesktop : public platform::IDesktop {
public:
    void Open(const QString& target) override { Opened << target; }
    QStringList Opened;
};

class TSingleInstance : public platform::ISingleInstance {
public:
    platform::ClaimResult Claim(const QString& name) override {
        return Claimed.contains(name) ? platform::NameTaken
                                      : (Claimed << name, platform::NameClaimed);
    }
    void Serve() override { Serving = true; }
    bool Ask(const QString& name, const platform::TInstanceRequest& request, int) override {
        Asked << name;
        Handed << request.Files;
        Actions << request.Action;
        return Answers;
    }
    QStringList Claimed, Asked, Handed, Actions;
    bool Serving = false;
    bool Answers = true;
};

// One of each, typed for the test and bundled for the program.
struct TServices {
    std::shared_ptr<TGlobalHotkeys> Hotkeys = std::make_shared<TGlobalHotkeys>();
    std::shared_ptr<TShellCommands> ShellCommands = std::make_shared<TShellCommands>();
    std::shared_ptr<TDeviceVolume> Volume = std::make_shared<TDeviceVolume>();
    std::shared_ptr<TDesktop> Desktop = std::make_shared<TDesktop>();
    std::shared_ptr<TSingleInstance> Instance = std::make_shared<TSingleInstance>();

    platform::TServices Bundle() const {
        return {Hotkeys, ShellCommands, Volume, Desktop, Instance};
    }
};

} // namespace fake
