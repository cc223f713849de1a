#include "ui/data/LinkWizardModel.h"

#include <QFileInfo>

#include "base/IniFile.h"
#include "merge/FilterSort.h"
#include "merge/MergeTexts.h"
#include "system/Messages.h"
#include "ui/data/DataDialogTexts.h"

namespace {
const QString kCrLf = QStringLiteral("\r\n");
constexpr int kListChars = 128;
constexpr int kListFields = 5;
} // namespace

bool isDataLinkFile(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("dlf"), Qt::CaseInsensitive) == 0;
}

LinkWizardModel::LinkWizardModel(QString databaseFolder) : m_databaseFolder(std::move(databaseFolder)) {}

void LinkWizardModel::start(const QString& linkPath)
{
    m_linkPath = linkPath;
    m_fileBox = linkPath;
    m_option = isDataLinkFile(linkPath) ? LinkOption::ExistingLinkFile : LinkOption::PersonalOrText;
    m_page = LinkPage::Options;
}

bool LinkWizardModel::nextEnabled() const
{
    return m_page != LinkPage::Database || !m_linkPath.isEmpty();
}

QString LinkWizardModel::nextCaption() const
{
    return m_page == LinkPage::Finish ? DataTexts::Finish : DataTexts::Next;
}

QString LinkWizardModel::databaseLabel() const
{
    switch (m_option) {
    case LinkOption::NewLinkFile:
        return DataTexts::NewLinkLabel;
    case LinkOption::ExistingLinkFile:
        return DataTexts::ExistingLinkLabel;
    case LinkOption::PersonalOrText:
        break;
    }
    return DataTexts::FileLabel;
}

bool LinkWizardModel::adoPanelVisible() const
{
    return isLinkFileOption() && !m_fileBox.isEmpty();
}

void LinkWizardModel::dropPath()
{
    m_linkPath.clear();
    m_fileBox.clear();
    m_reader.close();
    m_fields.clear();
    Messages::information(DataTexts::ConnectError);
}

void LinkWizardModel::showDatabasePage()
{
    m_page = LinkPage::Database;
    m_tablePanel = false;
    if (m_linkPath.isEmpty())
        return;
    if (isLinkFileOption() && !isDataLinkFile(m_linkPath)) {
        dropPath();
        return;
    }
    if (m_reader.open(m_linkPath, &m_fields) < 0) {
        // A cancelled read is the user's own choice: no error for it.
        const bool cancelled = m_reader.loadCancelled();
        m_linkPath.clear();
        m_fileBox.clear();
        m_fields.clear();
        if (!cancelled)
            Messages::information(DataTexts::ConnectError);
        return;
    }
    m_fileBox = m_linkPath;
    if (isLinkFileOption()) {
        m_connection = IniFile::readString(m_linkPath, MergeTexts::AdoSection, MergeTexts::ConnectionKey);
        m_table = IniFile::readString(m_linkPath, MergeTexts::AdoSection, MergeTexts::TableKey);
        if (m_tables.isEmpty() && !m_table.isEmpty())
            m_tables << m_table;
        m_tablePanel = true;
    }
}

void LinkWizardModel::chooseFile(const QString& path)
{
    if (path.isEmpty())
        return;
    if (m_option == LinkOption::NewLinkFile) {
        m_fileBox = path;
        return;
    }
    m_linkPath = path;
    showDatabasePage();
}

void LinkWizardModel::setConnection(const QString& connection, const QStringList& tables)
{
    if (connection.isEmpty())
        return;
    m_connection = connection;
    m_tables = tables;
    m_tablePanel = true;
}

bool LinkWizardModel::chooseTable(const QString& table)
{
    if (m_fileBox.isEmpty() || table.isEmpty())
        return false;
    m_table = table;
    // The reader knows a link file by its extension: any other name gets ".dlf".
    QString file = m_fileBox;
    if (!isDataLinkFile(file))
        file += QStringLiteral(".dlf");
    if (!IniFile::writeString(file, MergeTexts::AdoSection, MergeTexts::ConnectionKey, m_connection) ||
        !IniFile::writeString(file, MergeTexts::AdoSection, MergeTexts::TableKey, table)) {
        Messages::information(DataTexts::ConnectError);
        return false;
    }
    m_fileBox = file;
    m_linkPath = file;
    showDatabasePage();
    return !m_linkPath.isEmpty();
}

bool LinkWizardModel::next()
{
    switch (m_page) {
    case LinkPage::Options:
        showDatabasePage();
        return false;
    case LinkPage::Database:
        if (!m_reader.active())
            return false;
        if (m_reader.providerApplied()) {
            m_allRecords = m_reader.filter().isEmpty();
            m_page = LinkPage::RecordSelection;
        } else {
            clearListing();
            m_page = LinkPage::Finish;
        }
        return false;
    case LinkPage::RecordSelection:
        if (m_allRecords) {
            m_reader.setFilter(QString());
            clearListing();
            m_page = LinkPage::Finish;
        } else {
            filterText = m_reader.filter();
            m_expectCondition = true;
            m_page = LinkPage::Filter;
        }
        return false;
    case LinkPage::Filter:
        if (!m_reader.setFilter(filterText)) {
            Messages::information(MergeTexts::FilterRejected);
            return false;
        }
        m_sortLines = FilterSort::splitLines(m_reader.sort());
        m_sortSelection = m_sortLines.isEmpty() ? -1 : 0;
        m_page = LinkPage::Sort;
        return false;
    case LinkPage::Sort:
        if (!m_reader.setSort(FilterSort::joinLines(m_sortLines))) {
            Messages::information(MergeTexts::SortRejected);
            return false;
        }
        clearListing();
        m_page = LinkPage::Finish;
        return false;
    case LinkPage::Finish:
        return m_reader.active();
    }
    return false;
}

void LinkWizardModel::back()
{
    switch (m_page) {
    case LinkPage::Options:
        return;
    case LinkPage::Database:
        m_page = LinkPage::Options;
        return;
    case LinkPage::RecordSelection:
        m_page = LinkPage::Database;
        return;
    case LinkPage::Filter:
        m_page = LinkPage::RecordSelection;
        return;
    case LinkPage::Sort:
        m_page = LinkPage::Filter;
        return;
    case LinkPage::Finish:
        m_cancelListing = true;
        if (!m_reader.providerApplied())
            m_page = LinkPage::Database;
        else
            m_page = m_allRecords ? LinkPage::RecordSelection : LinkPage::Sort;
        return;
    }
}

void LinkWizardModel::addCondition()
{
    if (!conditionEnabled())
        return;
    filterText += FilterSort::condition(filterField, comparison, filterValue) + kCrLf;
    m_expectCondition = false;
}

void LinkWizardModel::addJoin(const QString& word)
{
    if (m_expectCondition)
        return;
    filterText += word + kCrLf;
    m_expectCondition = true;
    filterField.clear();
    filterValue.clear();
}

void LinkWizardModel::clearFilter()
{
    if (Messages::askYesNo(DataTexts::ClearFilterPrompt) == Messages::Answer::Yes) {
        filterText.clear();
        m_expectCondition = true;
    }
}

void LinkWizardModel::addSort()
{
    if (!addSortEnabled())
        return;
    m_sortLines << sortField + (descending ? QStringLiteral(" DESC") : QStringLiteral(" ASC"));
    m_sortSelection = int(m_sortLines.size()) - 1;
    sortField.clear();
}

void LinkWizardModel::removeSort()
{
    if (m_sortSelection < 0 || m_sortSelection >= m_sortLines.size())
        return;
    m_sortLines.removeAt(m_sortSelection);
    // The line before the removed one; after the first, the new first line.
    m_sortSelection = m_sortLines.isEmpty() ? -1 : std::max(0, m_sortSelection - 1);
}

void LinkWizardModel::clearListing()
{
    m_listed.clear();
    m_countText.clear();
    m_listing = false;
    m_cancelListing = false;
}

void LinkWizardModel::startListing()
{
    clearListing();
    m_listing = m_reader.active();
}

bool LinkWizardModel::listNextBlock()
{
    if (!m_listing)
        return false;
    const int first = int(m_listed.size());
    if (m_cancelListing || first >= m_reader.recordCount()) {
        finishListing();
        return false;
    }
    m_reader.listRecords(m_listed, first, kListBlock, kListChars, kListFields, m_countText);
    if (int(m_listed.size()) == first) {  // nothing more could be read
        finishListing();
        return false;
    }
    return true;
}

void LinkWizardModel::finishListing()
{
    m_listing = false;
    m_countText = QString::number(m_reader.recordCount()) + DataTexts::RecordsSuffix;
}
