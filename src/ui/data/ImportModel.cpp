#include "ui/data/ImportModel.h"

#include <algorithm>

namespace {
// Puts an entry back where its number places it, so the lists keep their order.
template <typename T, typename Key>
void insertInOrder(std::vector<T>& list, T entry, Key key)
{
    const auto at = std::find_if(list.begin(), list.end(), [&](const T& e) { return key(e) > key(entry); });
    list.insert(at, std::move(entry));
}
} // namespace

ImportModel::ImportModel(PdbKind kind) : m_offered(PdbTransfer::importFieldsOffered(kind)), m_fields(m_offered) {}

void ImportModel::chooseFile(const QString& file)
{
    if (file.isEmpty())
        return;
    m_file = file;
    const QStringList names = PdbTransfer::readImportColumns(file);
    for (int i = 0; i < names.size(); ++i)
        m_columns.push_back({names[i], i});
    fieldSelection = m_fields.empty() ? -1 : 0;
    columnSelection = m_columns.empty() ? -1 : 0;
}

bool ImportModel::addEnabled() const
{
    return fieldSelection >= 0 && fieldSelection < int(m_fields.size()) && columnSelection >= 0 &&
           columnSelection < int(m_columns.size());
}

void ImportModel::add()
{
    if (!addEnabled())
        return;
    const PdbTransfer::ImportField field = m_fields[size_t(fieldSelection)];
    const Column column = m_columns[size_t(columnSelection)];
    m_fields.erase(m_fields.begin() + fieldSelection);
    m_columns.erase(m_columns.begin() + columnSelection);
    m_pairs.push_back({field.ordinal, column.index, field.label, column.name});
    pairSelection = int(m_pairs.size()) - 1;
    fieldSelection = m_fields.empty() ? -1 : std::min(fieldSelection, int(m_fields.size()) - 1);
    columnSelection = m_columns.empty() ? -1 : std::min(columnSelection, int(m_columns.size()) - 1);
}

void ImportModel::remove()
{
    if (!removeEnabled())
        return;
    const PdbTransfer::ImportPair pair = m_pairs[size_t(pairSelection)];
    m_pairs.erase(m_pairs.begin() + pairSelection);
    insertInOrder(m_fields, m_offered[size_t(pair.fieldOrdinal)], [](const auto& f) { return f.ordinal; });
    insertInOrder(m_columns, Column{pair.columnName, pair.columnIndex}, [](const Column& c) { return c.index; });
    pairSelection = m_pairs.empty() ? -1 : std::min(pairSelection, int(m_pairs.size()) - 1);
}
