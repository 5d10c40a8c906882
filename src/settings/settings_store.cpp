// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "settings_store.h"

#include "settings_values.h"

#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include <string_view>

namespace orv {

bool SettingsStore::readBool(const QString& name, bool fallback) {
    if (const auto value = readInt(name)) return *value != 0;
    writeBool(name, fallback);
    return fallback;
}

int SettingsStore::readInteger(const QString& name, int fallback) {
    if (const auto value = readInt(name)) return *value;
    writeInt(name, fallback);
    return fallback;
}

QString SettingsStore::readText(const QString& name, const QString& fallback) {
    if (auto value = readString(name)) return *value;
    writeString(name, fallback);
    return fallback;
}

namespace {

// A typed text file, one value a line: a bare integer is an integer, a quoted text a string, so
// the file keeps the two types apart the way a registry key does.
QString quoted(const QString& text) {
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == u'\\' || c == u'"')
            out += u'\\', out += c;
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else
            out += c;
    }
    return out + u'"';
}

QVariant parsedValue(const QString& raw) {
    if (raw.size() >= 2 && raw.startsWith(u'"') && raw.endsWith(u'"')) {
        QString text;
        for (qsizetype i = 1; i + 1 < raw.size(); ++i) {
            QChar c = raw[i];
            if (c == u'\\' && i + 2 < raw.size()) {
                c = raw[++i];
                if (c == u'n')
                    c = u'\n';
                else if (c == u'r')
                    c = u'\r';
            }
            text += c;
        }
        return text;
    }
    bool ok = false;
    const int number = raw.toInt(&ok);
    if (ok) return number;
    return raw; // hand-edited text without quotes is still a string
}

// Keeps a file that holds no setting at all once, beside it, before the defaults replace it.
void keepUnreadableFile(QIODevice& device) {
    const auto* file = qobject_cast<QFile*>(&device);
    if (!file) return;
    const QString kept = file->fileName() + QStringLiteral(".bad");
    QFile::remove(kept); // only the latest such file is kept
    QFile::copy(file->fileName(), kept);
}

// Reads the values this program knows; anything else (other keys, junk lines) is dropped here,
// so it is neither kept in memory nor written back. A file with text but no setting in it is
// not settings at all: it is kept as "<name>.bad" and read as empty.
bool readTypedFile(QIODevice& device, QSettings::SettingsMap& map) {
    const QByteArray bytes = device.readAll();
    bool hasContent = false;
    for (QByteArrayView rest(bytes); !rest.empty();) {
        const qsizetype newline = rest.indexOf('\n');
        const QByteArrayView line = (newline < 0 ? rest : rest.first(newline)).trimmed();
        rest = newline < 0 ? QByteArrayView() : rest.sliced(newline + 1);
        if (line.empty() || line.startsWith('#') || line.startsWith('[')) continue;
        hasContent = true;
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0) continue;
        const QByteArrayView name = line.first(equals).trimmed();
        if (!value::isKnownName(std::string_view(name.data(), static_cast<std::size_t>(name.size())))) continue;
        map.insert(QString::fromLatin1(name), parsedValue(QString::fromUtf8(line.sliced(equals + 1).trimmed())));
    }
    if (hasContent && map.isEmpty()) keepUnreadableFile(device);
    return true;
}

bool writeTypedFile(QIODevice& device, const QSettings::SettingsMap& map) {
    QByteArray out;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const QVariant& value = it.value();
        const bool integer = value.typeId() == QMetaType::Int || value.typeId() == QMetaType::Bool ||
                             value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::UInt;
        out += it.key().toUtf8() + '=' +
               (integer ? QByteArray::number(value.toInt()) : quoted(value.toString()).toUtf8()) + '\n';
    }
    // Qt names the cause only of a write that writes nothing at all: one that stops part-way is
    // tried once more for the rest, and that one tells.
    const qint64 written = device.write(out);
    if (written != out.size()) {
        if (written > 0) device.write(out.sliced(written));
        return false;
    }
    // The save file keeps a short text in its buffer, and Qt 6.4 replaces the old file even when
    // writing that buffer out fails: on a full disk the settings would be emptied, the save
    // reported good. Written out here, the failure stops the save before the replacement.
    auto* file = qobject_cast<QFileDevice*>(&device);
    if (!file || file->flush()) return true;
    file->flush();
    return false;
}

QSettings::Format typedFormat() {
    static const QSettings::Format format = QSettings::registerFormat("conf", readTypedFile, writeTypedFile);
    return format;
}

// A lock older than this that no live process here holds is left over from a killed run (an
// empty file, or one written on another host): it is removed rather than waited for.
constexpr int kStaleLockMs = 500;
constexpr int kLockWaitMs = 700;

// QSettings waits up to 30 seconds for a lock it cannot prove stale. Taking the lock first with a
// short stale time, and removing it when even that fails, keeps every save under a second.
void clearStaleLock(const QString& settingsFile) {
    QLockFile lock(settingsFile + QStringLiteral(".lock"));
    lock.setStaleLockTime(kStaleLockMs);
    if (lock.tryLock(kLockWaitMs)) return; // free (or freed): released again at once
    lock.removeStaleLockFile();
}

class QtSettingsStore final : public SettingsStore, private QObject {
  public:
    explicit QtSettingsStore(std::unique_ptr<QSettings> settings) : settings_(std::move(settings)) {
        // Every write goes to a temporary file that replaces the old one, so a crash in the
        // middle of a write leaves the previous file whole; never fall back to writing in place.
        settings_->setAtomicSyncRequired(true);
        // The saves QSettings schedules for itself go through flush(), past a stale lock.
        settings_->installEventFilter(this);
    }
    ~QtSettingsStore() override { flush(); }

    bool hasValue(const QString& name) const override { return settings_->contains(name); }

    std::optional<int> readInt(const QString& name) const override {
        const QVariant value = settings_->value(name);
        if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::UInt) return value.toInt();
        return std::nullopt;
    }

    std::optional<QString> readString(const QString& name) const override {
        const QVariant value = settings_->value(name);
        if (value.typeId() == QMetaType::QString) return value.toString();
        return std::nullopt;
    }

    void writeInt(const QString& name, int value) override { settings_->setValue(name, value); }
    void writeString(const QString& name, const QString& value) override { settings_->setValue(name, value); }
    std::optional<SaveFailure> flush() override {
        const bool native = settings_->format() == QSettings::NativeFormat;
        if (!native) clearStaleLock(settings_->fileName());
        settings_->sync();
        if (settings_->status() == QSettings::NoError) return std::nullopt;
        if (native)
            return SaveFailure{settings_->fileName(), QStringLiteral("the registry refused the values")};
        return saveDirectly();
    }
    QString folder() const override {
        if (settings_->format() == QSettings::NativeFormat)
            return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        return QFileInfo(settings_->fileName()).absolutePath();
    }

  private:
    // QSettings tells that a save failed, not why, and keeps saying so after later saves that
    // went through. The same values written here the way it writes them, through a save file,
    // name the cause, or reach the file after all when the trouble has passed.
    std::optional<SaveFailure> saveDirectly() const {
        QSettings::SettingsMap values;
        for (const QString& name : settings_->allKeys())
            values.insert(name, settings_->value(name));
        QSaveFile file(settings_->fileName());
        if (file.open(QIODevice::WriteOnly) && writeTypedFile(file, values) && file.commit())
            return std::nullopt;
        return SaveFailure{settings_->fileName(), file.errorString()};
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != settings_.get() || event->type() != QEvent::UpdateRequest) return false;
        flush();
        return true;
    }

    std::unique_ptr<QSettings> settings_;
};

} // namespace

std::unique_ptr<SettingsStore> openUserSettings() {
#ifdef Q_OS_WIN
    return std::make_unique<QtSettingsStore>(std::make_unique<QSettings>(
        QStringLiteral("HKEY_CURRENT_USER\\Software\\Orvantis"), QSettings::NativeFormat));
#else
    return std::make_unique<QtSettingsStore>(std::make_unique<QSettings>(
        typedFormat(), QSettings::UserScope, QStringLiteral("Orvantis"), QStringLiteral("Orvantis")));
#endif
}

std::unique_ptr<SettingsStore> openSettingsFile(const QString& path) {
    return std::make_unique<QtSettingsStore>(std::make_unique<QSettings>(path, typedFormat()));
}

} // namespace orv
