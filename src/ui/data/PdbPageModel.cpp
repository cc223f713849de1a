#include "ui/data/PdbPageModel.h"

#include <algorithm>

#include "system/Messages.h"

PdbPageModel::PdbPageModel(QString databaseFolder, PdbKind kind)
    : m_databaseFolder(std::move(databaseFolder)), m_kind(kind)
{
}

void PdbPageModel::show()
{
    const PdbCategories::PageCategories page = PdbCategories::forPage(m_databaseFolder, m_kind);
    m_categories = page.names;
    m_category = page.selected;
    openSelected();
}

void PdbPageModel::selectCategory(const QString& name)
{
    if (!m_categories.contains(name))
        return;
    postPending();
    m_category = name;
    openSelected();
}

void PdbPageModel::openSelected()
{
    m_inserting = false;
    m_records.clear();
    m_row = -1;
    if (!PdbCategories::openCategory(m_table, PdbCategories::categoryPath(m_databaseFolder, m_kind, m_category),
                                     m_kind))
        return;
    refill(-1, 0);
}

void PdbPageModel::refill(int64_t slot, int fallbackRow)
{
    m_records = PdbCategories::recordList(m_table, m_kind);
    m_row = -1;
    if (m_records.empty())
        return;
    const auto found = std::find_if(m_records.begin(), m_records.end(),
                                    [slot](const PdbCategories::RecordEntry& e) { return e.slot == slot; });
    m_row = found != m_records.end() ? int(found - m_records.begin())
                                     : std::clamp(fallbackRow, 0, int(m_records.size()) - 1);
    PdbCategories::moveToSlot(m_table, m_records[size_t(m_row)].slot);
}

QStringList PdbPageModel::recordTexts() const
{
    QStringList texts;
    for (const auto& entry : m_records)
        texts << entry.text;
    return texts;
}

void PdbPageModel::selectRow(int row)
{
    if (row < 0 || row >= int(m_records.size()))
        return;
    const int64_t slot = m_records[size_t(row)].slot;
    if (editing() && !post())
        return;
    refill(slot, row);
}

bool PdbPageModel::setValue(const QString& field, const QString& value)
{
    if (!isOpen())
        return false;
    if (!editing()) {
        if (m_table.fieldValue(field) == value && !m_records.empty())
            return true;
        if (!(m_records.empty() ? insert() : m_table.edit()))
            return false;
    }
    return m_table.setFieldValue(field, value);
}

bool PdbPageModel::insert()
{
    if (!isOpen() || !postPending() || !m_table.insert())
        return false;
    m_inserting = true;
    return true;
}

bool PdbPageModel::deleteRecord()
{
    if (!isOpen())
        return false;
    if (m_inserting) {
        cancel();
        return true;
    }
    const int row = m_row;
    if (!m_table.deleteRecord()) {
        reportTableError();
        return false;
    }
    refill(-1, row);
    return true;
}

bool PdbPageModel::post()
{
    if (!editing())
        return true;
    if (!m_table.post()) {
        reportTableError();
        return false;
    }
    m_inserting = false;
    refill(m_table.currentSlot(), m_row);
    return true;
}

void PdbPageModel::cancel()
{
    m_table.cancel();
    m_inserting = false;
    if (m_row >= 0)
        PdbCategories::moveToSlot(m_table, m_records[size_t(m_row)].slot);
}

void PdbPageModel::reportTableError()
{
    if (!m_table.lastError().isEmpty())
        Messages::error(m_table.lastError());
}

void PdbPageModel::addCategory(const QString& name)
{
    postPending();
    if (!PdbCategories::addCategory(m_databaseFolder, m_kind, name, m_categories, m_table))
        return;
    m_categories << name;
    m_categories.sort(Qt::CaseInsensitive);
    m_category = name;
    openSelected();
}

void PdbPageModel::renameCategory(const QString& newName)
{
    postPending();
    if (PdbCategories::renameCategory(m_databaseFolder, m_kind, m_category, newName, m_categories, m_table)) {
        m_categories.replace(m_categories.indexOf(m_category), newName);
        m_categories.sort(Qt::CaseInsensitive);
        m_category = newName;
    }
    openSelected();
}

void PdbPageModel::deleteCategory()
{
    if (PdbCategories::deleteCategory(m_databaseFolder, m_kind, m_category, m_table))
        show();
}

bool PdbPageModel::exportTo(const QString& file)
{
    if (!isOpen() || !postPending())
        return false;
    const bool ok = PdbTransfer::exportCategory(m_table, m_kind, file);
    refill(-1, 0);
    return ok;
}

int PdbPageModel::importTexts(const QString& file)
{
    if (!isOpen() || !postPending())
        return 0;
    const int added = PdbTransfer::importTexts(m_table, file);
    refill(-1, m_row);
    return added;
}

int PdbPageModel::importPairs(const QString& file, const std::vector<PdbTransfer::ImportPair>& pairs)
{
    if (!isOpen() || !postPending())
        return 0;
    const int added = PdbTransfer::importRecords(m_table, m_kind, file, pairs);
    refill(-1, m_row);
    return added;
}
