#pragma once
// The Linked Database Wizard without widgets: which source a design links to
// (a personal database, a text file or a data link file to a real database)
// and, where the provider filters, the filter and sort of its records. It
// works on a private reader; filter and sort files are written beside the
// source as soon as their page is left with Next.

#include <QString>
#include <QStringList>

#include "merge/DataReader.h"

enum class LinkPage { Options, Database, RecordSelection, Filter, Sort, Finish };
enum class LinkOption { PersonalOrText, NewLinkFile, ExistingLinkFile };

class LinkWizardModel {
public:
    explicit LinkWizardModel(QString databaseFolder);

    const QString& databaseFolder() const { return m_databaseFolder; }
    DataReader& reader() { return m_reader; }

    // The options page with the design's current link.
    void start(const QString& linkPath);
    LinkPage page() const { return m_page; }
    LinkOption option() const { return m_option; }
    void setOption(LinkOption option) { m_option = option; }
    const QString& linkPath() const { return m_linkPath; }

    // Next: true when the wizard is finished (Finish with an open source).
    bool next();
    void back();
    bool backEnabled() const { return m_page != LinkPage::Options; }
    bool nextEnabled() const;
    QString nextCaption() const;

    // Database page
    QString databaseLabel() const;
    const QString& fileBox() const { return m_fileBox; }
    bool adoPanelVisible() const;
    bool tablePanelVisible() const { return m_tablePanel; }
    const QString& connection() const { return m_connection; }
    const QStringList& tables() const { return m_tables; }
    const QString& table() const { return m_table; }
    // The file chosen with "...": a new link file's name goes into the file
    // box only; any other becomes the link path and is opened.
    void chooseFile(const QString& path);
    // A connection built or typed, with the tables it offers.
    void setConnection(const QString& connection, const QStringList& tables);
    // Writes the file box's data link file with the connection and table and opens it.
    bool chooseTable(const QString& table);
    const QStringList& fields() const { return m_fields; }

    // Record-selection page
    bool allRecords() const { return m_allRecords; }
    void setAllRecords(bool all) { m_allRecords = all; }

    // Filter page
    QString filterField;
    QString comparison = QStringLiteral("=");
    QString filterValue;
    QString filterText;  // the filter box: lines each followed by CR LF
    bool conditionEnabled() const { return m_expectCondition && !filterField.isEmpty() && !filterValue.isEmpty(); }
    bool andOrEnabled() const { return !m_expectCondition; }
    void addCondition();
    void addAnd() { addJoin(QStringLiteral("AND")); }
    void addOr() { addJoin(QStringLiteral("OR")); }
    // Asks, then empties the filter box.
    void clearFilter();

    // Sort page
    QString sortField;
    bool descending = false;
    const QStringList& sortLines() const { return m_sortLines; }
    int sortSelection() const { return m_sortSelection; }
    void selectSort(int row) { m_sortSelection = row; }
    bool addSortEnabled() const { return !sortField.isEmpty(); }
    void addSort();
    void removeSort();

    // Finish page: records listed in blocks so the window can breathe between them.
    static constexpr int kListBlock = 25;
    const QStringList& listedRecords() const { return m_listed; }
    const QString& countText() const { return m_countText; }
    bool listing() const { return m_listing; }
    void startListing();
    // Lists the next block; false when the listing has ended.
    bool listNextBlock();
    void cancelListing() { m_cancelListing = true; }
    void clearListing();

private:
    void showDatabasePage();
    bool isLinkFileOption() const { return m_option != LinkOption::PersonalOrText; }
    void dropPath();
    void addJoin(const QString& word);
    void finishListing();

    QString m_databaseFolder;
    DataReader m_reader;
    LinkPage m_page = LinkPage::Options;
    LinkOption m_option = LinkOption::PersonalOrText;
    QString m_linkPath;
    QString m_fileBox;
    QString m_connection;
    QString m_table;
    QStringList m_tables;
    bool m_tablePanel = false;
    QStringList m_fields;
    bool m_allRecords = true;
    bool m_expectCondition = true;
    QStringList m_sortLines;
    int m_sortSelection = -1;
    QStringList m_listed;
    QString m_countText;
    bool m_listing = false;
    bool m_cancelListing = false;
};

// Whether a path names a data link file (".DLF" in any letter case).
bool isDataLinkFile(const QString& path);
