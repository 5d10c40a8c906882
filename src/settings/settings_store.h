// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <QString>

#include <memory>
#include <optional>

namespace orv {

// A save that did not reach its file.
struct SaveFailure {
    QString file;   // where the values were to go
    QString reason; // the system's words for what stopped it
};

// The per-user store of every persistent value. Values are typed: 32-bit integers (booleans as
// 1 and 0, colours as 0x00BBGGRR) and strings. A value of the other type reads as missing.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    virtual bool hasValue(const QString& name) const = 0;
    virtual std::optional<int> readInt(const QString& name) const = 0;
    virtual std::optional<QString> readString(const QString& name) const = 0;
    virtual void writeInt(const QString& name, int value) = 0;
    virtual void writeString(const QString& name, const QString& value) = 0;
    // Pushes pending writes to the backing file (a no-op where writes go straight through);
    // nothing when they are there, else what stopped them.
    virtual std::optional<SaveFailure> flush() { return std::nullopt; }
    // The folder of the settings file, where the files kept with the settings go too; empty
    // where the store has none.
    virtual QString folder() const { return {}; }

    // The read-or-default rule: a missing (or wrong-typed) value takes the default, which is
    // written back at once.
    bool readBool(const QString& name, bool fallback);
    int readInteger(const QString& name, int fallback);
    QString readText(const QString& name, const QString& fallback);
    void writeBool(const QString& name, bool value) { writeInt(name, value ? 1 : 0); }
};

// The store backed by QSettings: on Windows the registry key HKCU\Software\Orvantis, elsewhere
// the file Orvantis/Orvantis.conf in the user's configuration folder.
std::unique_ptr<SettingsStore> openUserSettings();

// The same store kept in an explicit file (tests, portable use).
std::unique_ptr<SettingsStore> openSettingsFile(const QString& path);

} // namespace orv
