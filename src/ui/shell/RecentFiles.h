#pragma once
// The recent files of the File menu's Re-Open list: at most five, newest
// first, kept in the settings store under "History".

#include <QString>
#include <QStringList>

class SettingsStore;

class RecentFiles {
public:
    static constexpr int kMaxEntries = 5;

    struct Entry {
        QString path;
        QString shownName;  // the file's name without its folder
    };

    // Puts an existing file at the top; an entry with the same path moves up.
    // Empty paths and missing files are ignored.
    void add(const QString& path);
    const QList<Entry>& entries() const { return m_entries; }
    bool isEmpty() const { return m_entries.isEmpty(); }

    void load(const SettingsStore& store);
    void save(SettingsStore& store) const;

private:
    QList<Entry> m_entries;
};
