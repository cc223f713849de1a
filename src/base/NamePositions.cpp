#include "base/NamePositions.h"

// Case folding is what QString::compare with Qt::CaseInsensitive applies, one
// character at a time, so folded names are equal exactly when the names
// compare equal.
NamePositions::NamePositions(const QStringList& names)
{
    m_positions.reserve(names.size());
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString key = names[i].toCaseFolded();
        if (!m_positions.contains(key))
            m_positions.insert(key, int(i));
    }
}

int NamePositions::indexOf(const QString& name) const
{
    return m_positions.value(name.toCaseFolded(), -1);
}
