#include "settings_store.h"

#include <QIODevice>
#include <QSettings>

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

bool readTypedFile(QIODevice& device, QSettings::SettingsMap& map) {
    while (!device.atEnd()) {
        const QString line = QString::fromUtf8(device.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#') || line.startsWith(u'[')) continue;
        const auto equals = line.indexOf(u'=');
        if (equals <= 0) continue;
        map.insert(line.left(equals).trimmed(), parsedValue(line.mid(equals + 1).trimmed()));
    }
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
    return device.write(out) == out.size();
}

QSettings::Format typedFormat() {
    static const QSettings::Format format = QSettings::registerFormat("conf", readTypedFile, writeTypedFile);
    return format;
}

class QtSettingsStore final : public SettingsStore {
  public:
    explicit QtSettingsStore(std::unique_ptr<QSettings> settings) : settings_(std::move(settings)) {
        // Every write goes to a temporary file that replaces the old one, so a crash in the
        // middle of a write leaves the previous file whole; never fall back to writing in place.
        settings_->setAtomicSyncRequired(true);
    }

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
    void flush() override { settings_->sync(); }

  private:
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
