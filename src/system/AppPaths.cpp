#include "system/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString g_programFolder;
QString g_sharedFolder;

// Copies what the user does not have yet; never overwrites the user's files.
void seedFrom(const QString& source, const QString& target)
{
    QDirIterator it(source, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString destination = target + "/" + QDir(source).relativeFilePath(file);
        if (QFileInfo::exists(destination))
            continue;
        QDir().mkpath(QFileInfo(destination).absolutePath());
        QFile::copy(file, destination);
    }
}
} // namespace

namespace AppPaths {

QString sharedFolder()
{
    if (!g_sharedFolder.isEmpty())
        return g_sharedFolder;
    const QByteArray fromEnvironment = qgetenv("STICKWELL_DATA_DIR");
    if (!fromEnvironment.isEmpty())
        return QString::fromLocal8Bit(fromEnvironment);
    const QString installed = QCoreApplication::applicationDirPath() + "/../share/stickwell";
    if (QFileInfo::exists(installed))
        return QDir(installed).absolutePath();
    return QStringLiteral(STICKWELL_SOURCE_DIR "/data");
}

QString programFolder()
{
    if (!g_programFolder.isEmpty())
        return g_programFolder;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (folder.isEmpty())
        folder = QDir::homePath() + "/.local/share";
    folder += "/quillon-stickwell";
    if (!QFileInfo::exists(folder)) {
        QDir().mkpath(folder);
        seedFrom(sharedFolder() + "/layouts", folder);
        seedFrom(sharedFolder() + "/templates", folder + "/Template");
    }
    g_programFolder = folder;
    return folder;
}

QString templateFolder() { return programFolder() + "/Template"; }

void setProgramFolder(const QString& folder) { g_programFolder = folder; }

void setSharedFolder(const QString& folder) { g_sharedFolder = folder; }

} // namespace AppPaths
