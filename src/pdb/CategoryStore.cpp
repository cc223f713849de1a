#include "pdb/CategoryStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "pdb/PdbTexts.h"
#include "system/Messages.h"

namespace {

constexpr int kTextPreview = 25;

// A category name is a plain file name: no folders, nothing hidden.
bool validName(const QString& name)
{
    const QString trimmed = name.trimmed();
    return !trimmed.isEmpty() && !name.contains('/') && !name.contains('\\') && !name.startsWith('.') &&
           !name.contains(QChar(0));
}

} // namespace

namespace PdbCategories {

QString folderName(PdbKind kind)
{
    switch (kind) {
    case PdbKind::Names:
        return QStringLiteral("Pdb");
    case PdbKind::Media:
        return QStringLiteral("Media");
    case PdbKind::Texts:
        break;
    }
    return QStringLiteral("Texts");
}

QString kindFolder(const QString& databaseFolder, PdbKind kind)
{
    return QDir(databaseFolder).filePath(folderName(kind));
}

QString defaultCategory(PdbKind kind)
{
    switch (kind) {
    case PdbKind::Names:
        return PdbTexts::DefaultNamesCategory;
    case PdbKind::Media:
        return PdbTexts::DefaultMediaCategory;
    case PdbKind::Texts:
        break;
    }
    return PdbTexts::DefaultTextsCategory;
}

std::vector<TableField> schema(PdbKind kind)
{
    switch (kind) {
    case PdbKind::Names:
        return PdbSchema::names();
    case PdbKind::Media:
        return PdbSchema::media();
    case PdbKind::Texts:
        break;
    }
    return PdbSchema::texts();
}

QString categoryPath(const QString& databaseFolder, PdbKind kind, const QString& name)
{
    return QDir(kindFolder(databaseFolder, kind)).filePath(name + QStringLiteral(".dat"));
}

QStringList list(const QString& databaseFolder, PdbKind kind)
{
    QStringList names;
    const QDir folder(kindFolder(databaseFolder, kind));
    for (const QFileInfo& info : folder.entryInfoList(QDir::Files)) {
        const QString file = info.fileName();
        if (file.size() > 4 && file.right(4).compare(QLatin1String(".dat"), Qt::CaseInsensitive) == 0)
            names << file.left(file.size() - 4);
    }
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return names;
}

PageCategories forPage(const QString& databaseFolder, PdbKind kind)
{
    PageCategories page;
    page.names = list(databaseFolder, kind);
    const QString fallback = defaultCategory(kind);
    if (kind == PdbKind::Texts) {
        if (!nameTaken(page.names, fallback)) {
            page.names << fallback;
            std::sort(page.names.begin(), page.names.end(),
                      [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
        }
        page.selected = fallback;
    } else {
        if (page.names.isEmpty())
            page.names << fallback;
        page.selected = page.names.first();
    }
    return page;
}

bool openCategory(PersonalTable& table, const QString& path, PdbKind kind)
{
    table.close();
    table.tableName = path;
    table.readOnly = false;
    table.fieldDefs = schema(kind);
    if (table.open())
        return true;
    table.close();
    if (QFileInfo::exists(path) && Messages::askYesNo(PdbTexts::cannotOpenCategory(path)) != Messages::Answer::Yes)
        return false;
    // A new Database folder has no kind folders yet.
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!table.createTable() || !table.open()) {
        table.close();
        Messages::error(PdbTexts::cannotCreateCategory(path));
        return false;
    }
    return true;
}

QString displayText(const PersonalTable& table, PdbKind kind)
{
    switch (kind) {
    case PdbKind::Names:
        return table.fieldValue(QStringLiteral("FIRSTNAME")) + ' ' + table.fieldValue(QStringLiteral("LASTNAME"));
    case PdbKind::Media:
        return table.fieldValue(QStringLiteral("TITLE"));
    case PdbKind::Texts:
        break;
    }
    const QString text = table.fieldValue(QStringLiteral("TEXT"));
    return text.size() > kTextPreview ? text.left(kTextPreview) + QStringLiteral("...") : text;
}

std::vector<RecordEntry> recordList(PersonalTable& table, PdbKind kind)
{
    std::vector<RecordEntry> entries;
    int ordinal = 0;
    for (bool more = table.first(); more; more = table.next())
        entries.push_back({displayText(table, kind), ordinal++});
    std::stable_sort(entries.begin(), entries.end(),
                     [](const RecordEntry& a, const RecordEntry& b) { return a.text < b.text; });
    table.first();
    return entries;
}

bool moveToOrdinal(PersonalTable& table, int ordinal)
{
    return table.first() && ordinal >= 0 && table.moveBy(ordinal) == ordinal;
}

bool nameTaken(const QStringList& names, const QString& name)
{
    return names.contains(name, Qt::CaseInsensitive);
}

bool addCategory(const QString& databaseFolder, PdbKind kind, const QString& name, const QStringList& existing,
                 PersonalTable& table)
{
    if (nameTaken(existing, name)) {
        Messages::error(PdbTexts::CategoryExists);
        return false;
    }
    const QString path = categoryPath(databaseFolder, kind, name);
    if (!validName(name)) {
        Messages::error(PdbTexts::cannotCreateCategory(path));
        return false;
    }
    return openCategory(table, path, kind);
}

bool renameCategory(const QString& databaseFolder, PdbKind kind, const QString& oldName, const QString& newName,
                    const QStringList& existing, PersonalTable& table)
{
    if (nameTaken(existing, newName)) {
        Messages::error(PdbTexts::CategoryExists);
        return false;
    }
    if (!validName(newName))
        return false;
    table.close();
    return QFile::rename(categoryPath(databaseFolder, kind, oldName), categoryPath(databaseFolder, kind, newName));
}

bool deleteCategory(const QString& databaseFolder, PdbKind kind, const QString& name, PersonalTable& table)
{
    if (Messages::askYesNo(PdbTexts::DeleteCategoryPrompt) != Messages::Answer::Yes)
        return false;
    table.close();
    return QFile::remove(categoryPath(databaseFolder, kind, name));
}

} // namespace PdbCategories
