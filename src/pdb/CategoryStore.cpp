#include "pdb/CategoryStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
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

// Names as a person orders them: letter case aside first, then by case so
// the order is stable.
bool personOrder(const QString& a, const QString& b)
{
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

bool hasDatSuffix(const QString& file)
{
    return file.size() > 4 && file.right(4).compare(QLatin1String(".dat"), Qt::CaseInsensitive) == 0;
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

// The file a category is kept in: an existing file keeps its own spelling of
// the extension (".DAT" stays ".DAT"); a new one is "<name>.dat".
QString categoryPath(const QString& databaseFolder, PdbKind kind, const QString& name)
{
    const QDir folder(kindFolder(databaseFolder, kind));
    const QString plain = name + QStringLiteral(".dat");
    if (!folder.exists(plain)) {
        for (const QString& file : folder.entryList(QDir::Files)) {
            if (hasDatSuffix(file) && file.left(file.size() - 4) == name)
                return folder.filePath(file);
        }
    }
    return folder.filePath(plain);
}

QStringList list(const QString& databaseFolder, PdbKind kind)
{
    QStringList names;
    const QDir folder(kindFolder(databaseFolder, kind));
    for (const QFileInfo& info : folder.entryInfoList(QDir::Files)) {
        const QString file = info.fileName();
        if (hasDatSuffix(file))
            names << file.left(file.size() - 4);
    }
    std::sort(names.begin(), names.end(), personOrder);
    return names;
}

PageCategories forPage(const QString& databaseFolder, PdbKind kind)
{
    PageCategories page;
    page.names = list(databaseFolder, kind);
    const QString fallback = defaultCategory(kind);
    if (kind == PdbKind::Texts) {
        // "my texts.dat" is the default category under the file's own spelling.
        const qsizetype existing = page.names.indexOf(QRegularExpression(
            QRegularExpression::anchoredPattern(QRegularExpression::escape(fallback)),
            QRegularExpression::CaseInsensitiveOption));
        if (existing < 0) {
            page.names << fallback;
            std::sort(page.names.begin(), page.names.end(), personOrder);
        }
        page.selected = existing < 0 ? fallback : page.names[existing];
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
        entries.push_back({displayText(table, kind), ordinal++, table.currentSlot()});
    std::stable_sort(entries.begin(), entries.end(),
                     [](const RecordEntry& a, const RecordEntry& b) { return personOrder(a.text, b.text); });
    table.first();
    return entries;
}

bool moveToOrdinal(PersonalTable& table, int ordinal)
{
    return table.first() && ordinal >= 0 && table.moveBy(ordinal) == ordinal;
}

bool moveToSlot(PersonalTable& table, int64_t slot)
{
    for (bool more = table.first(); more; more = table.next())
        if (table.currentSlot() == slot)
            return true;
    table.first();
    return false;
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
