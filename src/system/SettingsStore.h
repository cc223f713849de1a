#pragma once
// The per-user settings store: registry-like keys with typed values, kept in
// an INI file through QSettings. Keys are written with backslashes as the
// program names them ("Software\\Zevcraft\\...\\Options\\General").

#include <QString>
#include <QVariant>
#include <memory>
#include <optional>

class QSettings;

class SettingsStore {
public:
    // The user's store (QSettings' native INI location for this program).
    SettingsStore();
    // A store in the given INI file (tests, portable installs).
    explicit SettingsStore(const QString& iniFile);
    ~SettingsStore();

    static QString programKey();  // "Software\\Zevcraft\\Morrowline\\Quillon Stickwell"

    bool keyExists(const QString& key) const;
    bool valueExists(const QString& key, const QString& name) const;
    std::optional<int> readInteger(const QString& key, const QString& name) const;
    std::optional<QString> readString(const QString& key, const QString& name) const;
    void writeInteger(const QString& key, const QString& name, int value);
    void writeString(const QString& key, const QString& name, const QString& value);
    void removeKey(const QString& key);
    bool sync();

    // The store used by the running program; tests may point it elsewhere.
    static SettingsStore& instance();
    static void setInstanceFile(const QString& iniFile);

private:
    static QString group(const QString& key);
    std::unique_ptr<QSettings> m_settings;
};
