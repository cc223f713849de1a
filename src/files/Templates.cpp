#include "files/Templates.h"

#include <QDir>

#include "files/DesignFile.h"
#include "model/LayoutRecord.h"

uint8_t wizardTypeForEntry(int entryIndex)
{
    // The fifth entry stands for media data, stored as 6 (4 and 5 are not offered).
    if (entryIndex == 4)
        return 6;
    return uint8_t(std::clamp(entryIndex, 0, 3));
}

QStringList listTemplateCategories(const QString& family, const QString& templateFolder)
{
    QStringList categories;
    const QDir folder(templateFolder + "/" + family);
    for (const QString& name : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Unsorted)) {
        if (name.startsWith('.'))
            continue;
        // Names with a three-letter extension (such as a backup copy) are not categories.
        if (name.size() >= 4 && name[name.size() - 4] == '.')
            continue;
        categories << name;
    }
    return categories;
}

namespace {

bool isTemplateFileName(const QString& fileName)
{
    return fileName.size() > 4 && fileName.right(4).compare(".cct", Qt::CaseInsensitive) == 0;
}

QDir categoryFolder(const QString& family, const QString& category, const QString& templateFolder)
{
    return QDir(templateFolder + "/" + family + "/" + category);
}

} // namespace

QStringList listTemplates(const QString& family, const QString& category, const QString& templateFolder)
{
    QStringList names;
    const QDir folder = categoryFolder(family, category, templateFolder);
    for (const QFileInfo& info : folder.entryInfoList(QDir::Files, QDir::Unsorted))
        if (isTemplateFileName(info.fileName()))
            names << info.fileName().chopped(4);
    return names;
}

QString templateFilePath(const QString& family, const QString& category, const QString& name,
                         const QString& templateFolder)
{
    const QDir folder = categoryFolder(family, category, templateFolder);
    for (const QFileInfo& info : folder.entryInfoList(QDir::Files, QDir::Unsorted))
        if (isTemplateFileName(info.fileName()) && info.fileName().chopped(4) == name)
            return info.filePath();
    return folder.filePath(name + ".cct");
}

bool saveAsTemplate(ObjectManager& manager, LayoutRecord& layout, const QString& linkedDatabasePath,
                    int32_t zoom, int wizardEntry, const QString& path)
{
    layout.wizardType = wizardTypeForEntry(wizardEntry);
    return writeDesignFile(manager, path, layout, linkedDatabasePath, zoom);
}
