#pragma once
// The texts of the link wizard, the field wizard, the personal databases
// dialog and the import dialog, character for character.

#include <QString>

namespace DataTexts {
// Buttons shared by both wizards
inline const QString Back = QStringLiteral("<< &Back");
inline const QString Next = QStringLiteral("&Next >>");
inline const QString Finish = QStringLiteral("&Finish");
inline const QString Cancel = QStringLiteral("&Cancel");
inline const QString Help = QStringLiteral("Help");

// Linked Database Wizard
inline const QString LinkWizardTitle = QStringLiteral("Linked Database Wizard");
inline const QString LinkIntro1 = QStringLiteral(
    "The Linked Database Wizard will guide you through the process of selecting and configuring a database to link "
    "to your design.");
inline const QString LinkIntro2 = QStringLiteral(
    "You will be able to specify the database itself as well as filtering and sorting options, which allow you to "
    "select the records you want to print and the order in which they are printed.");
inline const QString WhatToDo = QStringLiteral("Select what you want to do:");
inline const QString OptionPersonal = QStringLiteral("Link to a &Personal Database, TXT or CSV file");
inline const QString OptionNewLink = QStringLiteral("Create a &New Database Link File");
inline const QString OptionExistingLink = QStringLiteral("Use an &Exisiting Database Link File");
inline const QString NewLinkLabel = QStringLiteral("Select a name for the new database link file:");
inline const QString ExistingLinkLabel = QStringLiteral("Select a database link file:");
inline const QString FileLabel = QStringLiteral("Select the file to link:");
inline const QString AdoNote = QStringLiteral(
    "Using ADO you can link to any data source available to you, both local and remote.  ADO and drivers for common "
    "databases are included with Windows.");
inline const QString AdoPrompt = QStringLiteral("Enter or build a connection to a database through ADO or ODBC");
inline const QString BuildConnection = QStringLiteral("Build Connection...");
inline const QString SelectTable = QStringLiteral("Select the table name:");
inline const QString SelectionNote = QStringLiteral(
    "The options below allow you to specify which records in you database will be printed and the order in which "
    "they will be printed.");
inline const QString SelectionGroup = QStringLiteral("Select the type of record selection you would like to use");
inline const QString AllRecords = QStringLiteral("I want to use all records directly from the database");
inline const QString FilterRecords = QStringLiteral("I want to filter and/or sort the records in the database");
inline const QString CompareField = QStringLiteral("Select the field to compare:");
inline const QString Comparison = QStringLiteral("Comparison");
inline const QString CompareValue = QStringLiteral("Enter the value to compare it to:");
inline const QString AddCondition = QStringLiteral("Add &Condition");
inline const QString AddAnd = QStringLiteral("Add &AND");
inline const QString AddOr = QStringLiteral("Add &OR");
inline const QString FilterLabel = QStringLiteral("Filter:");
inline const QString ClearFilterHint = QStringLiteral("Clear Filter");
inline const QString Sorting = QStringLiteral("&Sorting");
inline const QString Order = QStringLiteral("Order");
inline const QString Ascending = QStringLiteral("Ascending");
inline const QString Descending = QStringLiteral("Descending");
inline const QString AddSort = QStringLiteral("&Add Sort Criteria");
inline const QString RemoveSortHint = QStringLiteral("Delete Selected Sort Criteria");
inline const QString FinishNote = QStringLiteral("Database and record selection complete.");
inline const QString ShowRecords = QStringLiteral("&Show Records (first 5 fields or 128 characters or each record)");
inline const QString CancelListing = QStringLiteral("C&ancel Listing");
inline const QString RecordsSuffix = QStringLiteral(" Records");
inline const QString LinkFilesFilter = QStringLiteral("Data Link Files (*.dlf)");
inline const QString PersonalFilesFilter = QStringLiteral("Personal Databases and Text Files (*.dat *.csv *.txt)");
inline const QString ConnectError =
    QStringLiteral("Error connecting to selected database.\n\nPlease select another database.");
inline const QString ClearFilterPrompt = QStringLiteral("Clear selected filter.\n\nAre you sure");
inline const QString ChangeLinkPrompt = QStringLiteral(
    "Changing the linked database may unlink text objects already linked to the existing database if field names "
    "are different.\n\nAre you sure you want to do this?");
inline const QString SelectedDatabaseFailed = QStringLiteral(
    "The selected database could not be opened.\n\nPlease select a different database to link to.");
inline const QString UnlinkPrompt = QStringLiteral("Are you sure you want to unlink this design from all databases?");

// The connection builder for data link files
inline const QString ConnectionTitle = QStringLiteral("Build Connection");
inline const QString Provider = QStringLiteral("&Provider:");
inline const QString ProviderSqlite = QStringLiteral("SQLite database file");
inline const QString ProviderPostgres = QStringLiteral("PostgreSQL server");
inline const QString ProviderOdbc = QStringLiteral("ODBC data source name");
inline const QString ProviderText = QStringLiteral("Text files (CSV or TXT) in a folder");
inline const QString DatabaseFile = QStringLiteral("Database &file:");
inline const QString Host = QStringLiteral("&Host:");
inline const QString Port = QStringLiteral("P&ort:");
inline const QString DatabaseName = QStringLiteral("&Database:");
inline const QString User = QStringLiteral("&User:");
inline const QString Password = QStringLiteral("Pass&word:");
inline const QString Dsn = QStringLiteral("Data &source name:");
inline const QString TextFolder = QStringLiteral("&Folder:");
inline const QString TestConnection = QStringLiteral("&Test connection");
inline const QString Testing = QStringLiteral("Testing the connection...");
inline QString testSucceeded(int tables)
{
    return QStringLiteral("The connection works: %1 table(s) found.").arg(tables);
}
inline QString testFailed(const QString& driverError)
{
    return QStringLiteral("The connection failed:\n") + driverError;
}
inline const QString NoTables = QStringLiteral("The connection works, but it offers no tables.");

// Reading a long source
inline const QString ReadingRecords = QStringLiteral("Reading the records...");
inline QString recordsRead(qint64 count) { return QStringLiteral("%1 records read").arg(count); }

// Field Wizard
inline const QString FieldWizardTitle = QStringLiteral("Field Wizard");
inline const QString FieldIntro1 = QStringLiteral(
    "The Field Wizard will guide you through the process of selecting or creating a field to include in your design.");
inline const QString FieldIntro2 = QStringLiteral(
    "Use this wizard to select a single field or select multiple fields with spaces, line breaks and/or optional text "
    "between them.");
inline const QString FieldIntro3 = QStringLiteral(
    "For example, you can create a field that contains the first name and then a space and then the last name "
    "followed by a line break and then the company.");
inline const QString FieldSample1 = QStringLiteral("{FirstName}+ +{LastName}");
inline const QString FieldSample2 = QStringLiteral("{Company}");
inline const QString AddAField = QStringLiteral("Add a Field:");
inline const QString AddField = QStringLiteral("Add &Field");
inline const QString AddOtherText = QStringLiteral("Add Other Text:");
inline const QString AddText = QStringLiteral("Add &Text");
inline const QString AddSpace = QStringLiteral("Add &Space");
inline const QString AddNewLine = QStringLiteral("Add &New Line");
inline const QString ConstructionNote = QStringLiteral(
    "Select a field or enter other text above, then click a button to add the field, text or separator to the "
    "constructed field below.  Repeat as necessary.");
inline const QString ConstructedField = QStringLiteral("Constructed Field");
inline const QString StandardAddressHint = QStringLiteral("Standard Address");
inline const QString ClearHint = QStringLiteral("Clear");
inline const QString StandardAddress = QStringLiteral("FIRSTNAME+ +LASTNAME+\r\nADDRESS+\r\nCITY+ +STATE+ +ZIP");

// Personal Databases
inline const QString PdbTitle = QStringLiteral("Personal Databases");
inline const QString NamesPage = QStringLiteral("Names and Addresses");
inline const QString MediaPage = QStringLiteral("Media");
inline const QString TextsPage = QStringLiteral("Texts");
inline const QString Category = QStringLiteral("Category:");
inline const QString AddCategory = QStringLiteral("Add Category");
inline const QString RenameCategory = QStringLiteral("Rename Category");
inline const QString DeleteCategory = QStringLiteral("Delete Category");
inline const QString ExportCategory = QStringLiteral("Export Selected Category");
inline const QString ExportDatabase = QStringLiteral("Export Selected Database");
inline const QString ImportCategory = QStringLiteral("Import Into Selected Category");
inline const QString ImportDatabase = QStringLiteral("Import Into Selected Database");
inline const QString NameAddressTab = QStringLiteral("&Name && Address");
inline const QString ContactTab = QStringLiteral("&Contact Information");
inline const QString AdditionalTab = QStringLiteral("&Additional");
inline const QString GeneralTab = QStringLiteral("&General");
inline const QString ContentsTab = QStringLiteral("&Contents");
inline const QString NotesTab = QStringLiteral("&Notes");
inline const QString InsertHint = QStringLiteral("Insert record");
inline const QString DeleteHint = QStringLiteral("Delete record");
inline const QString PostHint = QStringLiteral("Post edit");
inline const QString CancelHint = QStringLiteral("Cancel edit");
inline const QString ExportFilter = QStringLiteral("Text Files (*.txt)");
inline const QString TextsImportFilter =
    QStringLiteral("All Supported Files (*.txt *.csv);;Text Files (*.txt);;Comma Seperated Values (*.csv)");

// Import
inline const QString ImportTitle = QStringLiteral("Import");
inline const QString Step1 = QStringLiteral("STEP 1:  Choose the file to import.");
inline const QString ImportFilename = QStringLiteral("Import Filename");
inline const QString Step2 = QStringLiteral("STEP 2:  Match the fields to import.");
inline const QString PairNote = QStringLiteral(
    "Select matching fields from the two lists below and click the Add button to mark the fields for importing.");
inline const QString Add = QStringLiteral("Add");
inline const QString Remove = QStringLiteral("Remove");
inline const QString Import = QStringLiteral("&Import");
inline const QString ImportFilter = QStringLiteral(
    "All Supported Files (*.csv *.txt);;Comma Seperated Values (*.csv);;Text Files (*.txt)");
}
