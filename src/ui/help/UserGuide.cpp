#include "ui/help/UserGuide.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

QString userGuideIndexPath()
{
    return userGuideIndexPath(QCoreApplication::applicationDirPath());
}

QString userGuideIndexPath(const QString& programDir)
{
    QStringList candidates;
    if (!programDir.isEmpty())
        candidates << programDir + QStringLiteral("/../share/doc/quillon-stickwell/guide/index.html");
    candidates << QStringLiteral(STICKWELL_SOURCE_DIR "/docs/guide/index.html");
    for (const QString& candidate : candidates) {
        const QFileInfo info(candidate);
        if (info.isFile() && info.isReadable())
            return QDir::cleanPath(info.absoluteFilePath());
    }
    return {};
}

bool openUserGuide()
{
    const QString index = userGuideIndexPath();
    if (index.isEmpty())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(index));
}
