#include "app/settings/settings_store.h"

#include <QSettings>
#include <QVariant>

namespace tw {

namespace {

struct Previous {
    QString name;
    bool existed;
    QVariant value;
};

} // namespace

bool SettingsStore::writeAll(const QList<std::pair<QString, QString>> &values)
{
    QList<std::pair<QString, std::optional<QString>>> written;
    for (const auto &[name, value] : values) {
        const std::optional<QString> old = read(name);
        if (!write(name, value)) {
            // A value that was missing cannot be removed through this interface; it keeps the
            // new text, which the caller learns about from the false result.
            for (auto it = written.crbegin(); it != written.crend(); ++it) {
                if (it->second)
                    write(it->first, *it->second);
            }
            return false;
        }
        written.append({name, old});
    }
    return true;
}

NativeSettingsStore::NativeSettingsStore() = default;

NativeSettingsStore::NativeSettingsStore(const QString &iniFile) : iniFile_(iniFile) {}

NativeSettingsStore::~NativeSettingsStore() = default;

std::unique_ptr<QSettings> NativeSettingsStore::open() const
{
    std::unique_ptr<QSettings> settings;
    if (iniFile_.isEmpty()) {
        settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                               QStringLiteral("Korvane, Inc."),
                                               QStringLiteral("Tracewright"));
    } else {
        settings = std::make_unique<QSettings>(iniFile_, QSettings::IniFormat);
    }
    // Only the user's own key counts; a system-wide or organisation-wide store must not
    // make a missing key look installed.
    settings->setFallbacksEnabled(false);
    return settings;
}

QSettings &NativeSettingsStore::reader() const
{
    if (!reader_)
        reader_ = open();
    return *reader_;
}

bool NativeSettingsStore::keyExists() const
{
    const QSettings &settings = reader();
    for (const QString &name : setting::all) {
        if (settings.contains(name))
            return true;
    }
    return false;
}

std::optional<QString> NativeSettingsStore::read(const QString &name) const
{
    const QVariant value = reader().value(name);
    // A damaged serialised string comes back as a null string, unlike a stored empty one.
    if (value.typeId() != QMetaType::QString || value.toString().isNull())
        return std::nullopt;
    return value.toString();
}

bool NativeSettingsStore::write(const QString &name, const QString &value)
{
    return writeAll({{name, value}});
}

bool NativeSettingsStore::writeAll(const QList<std::pair<QString, QString>> &values)
{
    // The next read sees what this write leaves, stored or put back.
    reader_.reset();
    const std::unique_ptr<QSettings> settings = open();
    const bool damaged = settings->status() == QSettings::FormatError;

    QList<Previous> previous;
    for (const auto &[name, value] : values) {
        previous.append({name, settings->contains(name), settings->value(name)});
        settings->setValue(name, value);
    }
    settings->sync();

    bool ok = settings->status() == QSettings::NoError;
    if (!ok && damaged && settings->status() == QSettings::FormatError) {
        // The handle keeps reporting the damage it found when it read the file, which hides
        // whether the rewrite succeeded. A fresh handle retries any write still pending, so
        // its status answers that.
        ok = open()->status() == QSettings::NoError;
    }
    if (ok)
        return true;

    // The unsaved values stay cached for the whole process; put the old ones back so every
    // later read agrees with what is really stored.
    for (auto it = previous.crbegin(); it != previous.crend(); ++it) {
        if (it->existed)
            settings->setValue(it->name, it->value);
        else
            settings->remove(it->name);
    }
    return false;
}

QString NativeSettingsStore::location() const
{
    return open()->fileName();
}

} // namespace tw
