#include "print/DesignPrinting.h"

#include <QDir>
#include <QFileInfo>

#include "files/DesignFile.h"

int32_t DesignForPrinting::load(const QString& fileName)
{
    path = fileName;
    int32_t zoom = 100;
    const int32_t result = readDesignFile(editor.manager(), fileName, layout, linkedPath, zoom);
    // A damaged stored zoom of 0 or below is shown at 100.
    editor.zoom = zoom > 0 ? zoom : 100;
    return result;
}

PrintDesign DesignForPrinting::printDesign()
{
    PrintDesign d;
    d.manager = &editor.manager();
    d.layout = layout;
    d.caption = QFileInfo(path).fileName();
    return d;
}

QString resolveLinkedPath(const QString& designPath, const QString& linkedPath)
{
    if (linkedPath.isEmpty())
        return {};
    // Links written on Windows may use backslashes.
    QString link = linkedPath;
    if (!QFileInfo::exists(link) && link.contains('\\'))
        link.replace('\\', '/');
    if (QFileInfo(link).isAbsolute())
        return link;
    return QDir::cleanPath(QFileInfo(designPath).absoluteDir().filePath(link));
}
