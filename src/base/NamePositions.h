#pragma once
// Where each name of a list stands, found without regard to letter case in
// constant time: a record read field by field by name must not search the
// names for every field (a file of 10,000 columns made that 100,000,000
// comparisons a record). Where names repeat, the first one is found, as a
// search from the front finds it.

#include <QHash>
#include <QString>
#include <QStringList>

class NamePositions {
public:
    NamePositions() = default;
    explicit NamePositions(const QStringList& names);

    // The 0-based position of the name, or -1.
    int indexOf(const QString& name) const;
    void clear() { m_positions.clear(); }

private:
    QHash<QString, int> m_positions;  // by case-folded name
};
