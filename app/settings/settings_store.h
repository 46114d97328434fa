#pragma once

#include <QString>
#include <QStringList>

#include <QList>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

class QSettings;

namespace tw {

// The eight string values kept under the program's per-user key.
namespace setting {
inline const QString Units = QStringLiteral("Units");
inline const QString Program = QStringLiteral("Program");
inline const QString ManualCopperWeight = QStringLiteral("Manual_Copper_Weight");
inline const QString IpcVersion = QStringLiteral("IPC_Version");
inline const QString ConductorReduction = QStringLiteral("Conductor_Reduction");
inline const QString Derating = QStringLiteral("Derating");
inline const QString ViaHeightEnable = QStringLiteral("Via_Height_Enable");
inline const QString RegistryStatus = QStringLiteral("Registry_Status");
inline const QStringList all = {
    Units,    Program,         ManualCopperWeight, IpcVersion, ConductorReduction,
    Derating, ViaHeightEnable, RegistryStatus};
} // namespace setting

// Per-user store of named string values. A failed write leaves the stored value as it was and
// is reported only through the return value; callers go on regardless.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // False when the key has never been created (first run without an installer).
    virtual bool keyExists() const = 0;
    // Empty when the value is missing or not a string.
    virtual std::optional<QString> read(const QString &name) const = 0;
    virtual bool write(const QString &name, const QString &value) = 0;
    // Writes every value or, on failure, puts back what was there and returns false. This
    // fallback restores value by value; stores that can write in one step override it.
    virtual bool writeAll(const QList<std::pair<QString, QString>> &values);
    // Where the values are kept, as the user would look for them; empty where unknown.
    virtual QString location() const { return {}; }
};

// Passes everything on to another store and tells once, at the first write that fails, that the
// settings of this session can no longer be saved; the program goes on with what it holds.
class WatchedSettingsStore final : public SettingsStore {
public:
    WatchedSettingsStore(SettingsStore &store, std::function<void()> firstFailure)
        : store_(store), firstFailure_(std::move(firstFailure))
    {
    }
    bool keyExists() const override { return store_.keyExists(); }
    std::optional<QString> read(const QString &name) const override { return store_.read(name); }
    bool write(const QString &name, const QString &value) override
    {
        return watch(store_.write(name, value));
    }
    bool writeAll(const QList<std::pair<QString, QString>> &values) override
    {
        return watch(store_.writeAll(values));
    }
    QString location() const override { return store_.location(); }

private:
    bool watch(bool written)
    {
        if (!written && !told_) {
            told_ = true;
            if (firstFailure_)
                firstFailure_();
        }
        return written;
    }

    SettingsStore &store_;
    std::function<void()> firstFailure_;
    bool told_ = false;
};

// The platform's native per-user store: organisation "Korvane, Inc.", application
// "Tracewright". On Windows this is the registry key Software\Korvane, Inc.\Tracewright.
class NativeSettingsStore final : public SettingsStore {
public:
    NativeSettingsStore();
    // A store in an explicit file, for tests and benchmarks.
    explicit NativeSettingsStore(const QString &iniFile);
    ~NativeSettingsStore() override;

    bool keyExists() const override;
    std::optional<QString> read(const QString &name) const override;
    bool write(const QString &name, const QString &value) override;
    bool writeAll(const QList<std::pair<QString, QString>> &values) override;
    QString location() const override;

private:
    // A fresh handle per write: its status reports only that write's errors.
    std::unique_ptr<QSettings> open() const;
    // One handle for every read: a large file is parsed once, not once per value.
    QSettings &reader() const;

    mutable std::unique_ptr<QSettings> reader_;

    QString iniFile_; // empty for the native store
};

} // namespace tw
