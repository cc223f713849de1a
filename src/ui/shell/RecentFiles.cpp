#include "ui/shell/RecentFiles.h"

#include <QFileInfo>

#include "system/SettingsStore.h"

namespace {
const QString kHistoryKey = SettingsStore::programKey() + QStringLiteral("\\History");
QString fileValue(int index) { return QStringLiteral("File") + QString::number(index); }
QString nameValue(int index) { return QStringLiteral("Name") + QString::number(index); }
}

void RecentFiles::add(const QString& path)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        return;
    for (int i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].path == path) {
            m_entries.move(i, 0);
            return;
        }
    }
    m_entries.prepend({path, QFileInfo(path).fileName()});
    while (m_entries.size() > kMaxEntries)
        m_entries.removeLast();
}

void RecentFiles::load(const SettingsStore& store)
{
    m_entries.clear();
    for (int i = 0; i < kMaxEntries; ++i) {
        const auto path = store.readString(kHistoryKey, fileValue(i));
        if (!path || path->isEmpty())
            break;
        const auto name = store.readString(kHistoryKey, nameValue(i));
        m_entries.append({*path, name && !name->isEmpty() ? *name : QFileInfo(*path).fileName()});
    }
}

void RecentFiles::save(SettingsStore& store) const
{
    // Rewriting the whole key drops the values beyond the current count.
    store.removeKey(kHistoryKey);
    for (int i = 0; i < m_entries.size(); ++i) {
        store.writeString(kHistoryKey, fileValue(i), m_entries[i].path);
        store.writeString(kHistoryKey, nameValue(i), m_entries[i].shownName);
    }
}
