#include "system/SettingsStore.h"

#include <QSettings>

#include "base/AppInfo.h"

namespace {
std::unique_ptr<SettingsStore>& instanceSlot()
{
    static std::unique_ptr<SettingsStore> store;
    return store;
}
} // namespace

SettingsStore::SettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, AppInfo::organisation(),
                                             AppInfo::productTitle()))
{
}

SettingsStore::SettingsStore(const QString& iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat))
{
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::programKey()
{
    return QStringLiteral("Software\\") + AppInfo::organisation() + '\\' + AppInfo::productLine() + '\\' +
           AppInfo::productTitle();
}

QString SettingsStore::group(const QString& key)
{
    QString g = key;
    g.replace('\\', '/');
    while (g.contains("//"))
        g.replace("//", "/");
    if (g.startsWith('/'))
        g.remove(0, 1);
    if (g.endsWith('/'))
        g.chop(1);
    return g;
}

bool SettingsStore::keyExists(const QString& key) const
{
    const QString g = group(key);
    for (const QString& k : m_settings->allKeys())
        if (k.startsWith(g + "/"))
            return true;
    return false;
}

bool SettingsStore::valueExists(const QString& key, const QString& name) const
{
    return m_settings->contains(group(key) + "/" + name);
}

std::optional<int> SettingsStore::readInteger(const QString& key, const QString& name) const
{
    const QVariant v = m_settings->value(group(key) + "/" + name);
    if (!v.isValid())
        return std::nullopt;
    bool ok = false;
    const int value = v.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<QString> SettingsStore::readString(const QString& key, const QString& name) const
{
    const QVariant v = m_settings->value(group(key) + "/" + name);
    if (!v.isValid())
        return std::nullopt;
    return v.toString();
}

void SettingsStore::writeInteger(const QString& key, const QString& name, int value)
{
    m_settings->setValue(group(key) + "/" + name, value);
}

void SettingsStore::writeString(const QString& key, const QString& name, const QString& value)
{
    m_settings->setValue(group(key) + "/" + name, value);
}

void SettingsStore::removeKey(const QString& key) { m_settings->remove(group(key)); }

bool SettingsStore::sync()
{
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

SettingsStore& SettingsStore::instance()
{
    auto& slot = instanceSlot();
    if (!slot)
        slot = std::make_unique<SettingsStore>();
    return *slot;
}

void SettingsStore::setInstanceFile(const QString& iniFile) { instanceSlot() = std::make_unique<SettingsStore>(iniFile); }
