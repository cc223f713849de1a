#include "pdb/PdbImportExport.h"

#include <QFile>
#include <QTemporaryDir>

#include "pdb/PdbTexts.h"
#include "base/TextLines.h"
#include "base/AtomicFile.h"
#include "base/CsvFile.h"
#include "system/Messages.h"

namespace {

struct Column {
    const char* column;  // export column name
    const char* field;
    const char* label;   // import offer, or null when not offered
};

// Names: WEBSITE is offered on import but not exported.
constexpr Column kNames[] = {
    {"FirstName", "FIRSTNAME", "First Name"}, {"LastName", "LASTNAME", "Last Name"},
    {"Company", "COMPANY", "Company"},         {"Title", "TITLE", "Title"},
    {"Address", "ADDRESS", "Address"},         {"City", "CITY", "City"},
    {"State", "STATE", "State"},               {"Zip", "ZIP", "Zip"},
    {"Country", "COUNTRY", "Country"},         {"PrimaryPhone", "PHONE1", "PrimaryPhone"},
    {"AlternatePhone", "PHONE2", "AlternatePhone"}, {"Mobile", "PHONE3", "Mobile"},
    {"Pager", "PHONE4", "Pager"},              {"OtherPhone", "PHONE5", "OtherPhone"},
    {"FAX", "FAX", "Fax"},                     {"Email1", "EMAIL1", "Email1"},
    {"Email2", "EMAIL2", "Email2"},            {nullptr, "WEBSITE", "Website"},
    {"User1", "USER1", "User1"},               {"User2", "USER2", "User2"},
    {"User3", "USER3", "User3"},               {"User4", "USER4", "User4"}};
constexpr Column kMedia[] = {{"Title", "TITLE", "Title"},
                             {"Author", "AUTHOR", "Author"},
                             {"Description", "DESCRIPTION", "Description"},
                             {"Contents", "CONTENTS", "Contents"},
                             {"Notes", "NOTES", "Notes"}};
constexpr Column kTexts[] = {{"Text", "TEXT", nullptr}};

template <typename F>
void forColumns(PdbKind kind, F&& visit)
{
    switch (kind) {
    case PdbKind::Names:
        for (const Column& c : kNames)
            visit(c);
        break;
    case PdbKind::Media:
        for (const Column& c : kMedia)
            visit(c);
        break;
    case PdbKind::Texts:
        for (const Column& c : kTexts)
            visit(c);
        break;
    }
}

} // namespace

namespace PdbTransfer {

QStringList exportColumns(PdbKind kind)
{
    QStringList out;
    forColumns(kind, [&](const Column& c) {
        if (c.column)
            out << QString::fromLatin1(c.column);
    });
    return out;
}

QStringList exportFields(PdbKind kind)
{
    QStringList out;
    forColumns(kind, [&](const Column& c) {
        if (c.column)
            out << QString::fromLatin1(c.field);
    });
    return out;
}

bool exportCategory(PersonalTable& table, PdbKind kind, const QString& file)
{
    // The delimited writer writes in place; it writes into a scratch file and
    // the export replaces the target only when complete, so a failed export
    // never leaves half a file where an earlier one was.
    QTemporaryDir scratch;
    const QString draft = scratch.filePath(QStringLiteral("export.csv"));
    CsvFile out;
    if (!scratch.isValid() || !out.openWrite(draft, ',', '"')) {
        Messages::information(PdbTexts::cannotCreateExport(file));
        return false;
    }
    bool ok = out.writeRecord(exportColumns(kind));
    const QStringList fields = exportFields(kind);
    table.first();
    const int32_t count = table.recordCount();
    for (int32_t i = 0; i < count && !table.eof(); ++i) {
        QStringList values;
        for (const QString& field : fields)
            values << table.fieldValue(field);
        ok = out.writeRecord(values) && ok;
        table.next();
    }
    ok = out.close() && ok;
    table.first();
    QFile written(draft);
    ok = ok && written.open(QIODevice::ReadOnly) && writeFileAtomically(file, written.readAll());
    if (!ok)
        Messages::information(PdbTexts::cannotCreateExport(file));
    return ok;
}

std::vector<ImportField> importFieldsOffered(PdbKind kind)
{
    std::vector<ImportField> out;
    forColumns(kind, [&](const Column& c) {
        if (c.label)
            out.push_back({QString::fromLatin1(c.label), QString::fromLatin1(c.field), int(out.size())});
    });
    return out;
}

QStringList readImportColumns(const QString& file)
{
    CsvFile in;
    return in.openRead(file, ',', '"') ? in.values() : QStringList();
}

int importRecords(PersonalTable& table, PdbKind kind, const QString& file, const std::vector<ImportPair>& pairs)
{
    const std::vector<ImportField> offered = importFieldsOffered(kind);
    CsvFile in;
    if (pairs.empty() || !in.openRead(file, ',', '"'))
        return 0;
    int added = 0;
    while (in.readNext()) {
        const QStringList& values = in.values();
        if (!table.insert())
            break;
        bool ok = true;
        for (const ImportPair& pair : pairs) {
            if (pair.fieldOrdinal < 0 || pair.fieldOrdinal >= int(offered.size()) || pair.columnIndex < 0 ||
                pair.columnIndex >= values.size()) {
                ok = false;
                break;
            }
            ok = table.setFieldValue(offered[size_t(pair.fieldOrdinal)].field, values[pair.columnIndex]) && ok;
        }
        if (ok && table.post())
            ++added;
        else
            table.cancel();
    }
    return added;
}

int importTexts(PersonalTable& table, const QString& file)
{
    QStringList lines;
    if (!readTextLines(file, lines))
        return 0;
    int added = 0;
    for (const QString& line : lines) {
        if (table.insert() && table.setFieldValue(QStringLiteral("TEXT"), line) && table.post()) {
            ++added;
        } else {
            table.cancel();
            Messages::error(PdbTexts::ImportException);
        }
    }
    return added;
}

} // namespace PdbTransfer
