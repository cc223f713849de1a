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

QString FolderName(PdbKind kind)
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

QString Folder(const QString& databaseFolder, PdbKind kind)
{
    return QDir(databaseFolder).filePath(FolderName(kind));
}

QString DefaultCategory(PdbKind kind)
{
    switch (kind) {
    case PdbKind::Names:
        return QStringLiteral("PDB 1");
    case PdbKind::Media:
        return QStringLiteral("Media 1");
    case PdbKind::Texts:
        break;
    }
    return QStringLiteral("My Texts");
}

std::vector<TableField> Schema(PdbKind kind)
{
    switch (kind) {
    case PdbKind::Names:
        return PdbSchema::Names();
    case PdbKind::Media:
        return PdbSchema::Media();
    case PdbKind::Texts:
        break;
    }
    return PdbSchema::Texts();
}

QString CategoryPath(const QString& databaseFolder, PdbKind kind, const QString& name)
{
    return QDir(Folder(databaseFolder, kind)).filePath(name + QStringLiteral(".dat"));
}

QStringList List(const QString& databaseFolder, PdbKind kind)
{
    QStringList names;
    const QDir folder(Folder(databaseFolder, kind));
    for (const QFileInfo& info : folder.entryInfoList(QDir::Files)) {
        const QString file = info.fileName();
        if (file.size() > 4 && file.right(4).compare(QLatin1String(".dat"), Qt::CaseInsensitive) == 0)
            names << file.left(file.size() - 4);
    }
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return names;
}

PageCategories ForPage(const QString& databaseFolder, PdbKind kind)
{
    PageCategories page;
    page.names = List(databaseFolder, kind);
    const QString fallback = DefaultCategory(kind);
    if (kind == PdbKind::Texts) {
        if (!NameTaken(page.names, fallback)) {
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

bool OpenCategory(TBinaryDataSet& table, const QString& path, PdbKind kind)
{
    table.Close();
    table.TableName = path;
    table.ReadOnly = false;
    table.FieldDefs = Schema(kind);
    if (table.Open())
        return true;
    table.Close();
    if (QFileInfo::exists(path) && Messages::askYesNo(PdbTexts::CannotOpenCategory(path)) != Messages::Answer::Yes)
        return false;
    // A new Database folder has no kind folders yet.
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!table.CreateTable() || !table.Open()) {
        table.Close();
        Messages::error(PdbTexts::CannotCreateCategory(path));
        return false;
    }
    return true;
}

QString DisplayText(const TBinaryDataSet& table, PdbKind kind)
{
    switch (kind) {
    case PdbKind::Names:
        return table.FieldValue(QStringLiteral("FIRSTNAME")) + ' ' + table.FieldValue(QStringLiteral("LASTNAME"));
    case PdbKind::Media:
        return table.FieldValue(QStringLiteral("TITLE"));
    case PdbKind::Texts:
        break;
    }
    const QString text = table.FieldValue(QStringLiteral("TEXT"));
    return text.size() > kTextPreview ? text.left(kTextPreview) + QStringLiteral("...") : text;
}

std::vector<RecordEntry> RecordList(TBinaryDataSet& table, PdbKind kind)
{
    std::vector<RecordEntry> entries;
    int ordinal = 0;
    for (bool more = table.First(); more; more = table.Next())
        entries.push_back({DisplayText(table, kind), ordinal++});
    std::stable_sort(entries.begin(), entries.end(),
                     [](const RecordEntry& a, const RecordEntry& b) { return a.text < b.text; });
    table.First();
    return entries;
}

bool MoveToOrdinal(TBinaryDataSet& table, int ordinal)
{
    return table.First() && ordinal >= 0 && table.MoveBy(ordinal) == ordinal;
}

bool NameTaken(const QStringList& names, const QString& name)
{
    return names.contains(name, Qt::CaseInsensitive);
}

bool AddCategory(const QString& databaseFolder, PdbKind kind, const QString& name, const QStringList& existing,
                 TBinaryDataSet& table)
{
    if (NameTaken(existing, name)) {
        Messages::error(PdbTexts::CategoryExists);
        return false;
    }
    const QString path = CategoryPath(databaseFolder, kind, name);
    if (!validName(name)) {
        Messages::error(PdbTexts::CannotCreateCategory(path));
        return false;
    }
    return OpenCategory(table, path, kind);
}

bool RenameCategory(const QString& databaseFolder, PdbKind kind, const QString& oldName, const QString& newName,
                    const QStringList& existing, TBinaryDataSet& table)
{
    if (NameTaken(existing, newName)) {
        Messages::error(PdbTexts::CategoryExists);
        return false;
    }
    if (!validName(newName))
        return false;
    table.Close();
    return QFile::rename(CategoryPath(databaseFolder, kind, oldName), CategoryPath(databaseFolder, kind, newName));
}

bool DeleteCategory(const QString& databaseFolder, PdbKind kind, const QString& name, TBinaryDataSet& table)
{
    if (Messages::askYesNo(PdbTexts::DeleteCategoryPrompt) != Messages::Answer::Yes)
        return false;
    table.Close();
    return QFile::remove(CategoryPath(databaseFolder, kind, name));
}

} // namespace PdbCategories
