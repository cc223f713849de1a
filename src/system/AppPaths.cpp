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
std::function<void(const QString&)> g_firstRunSeeder;

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
    return sharedFolderFor(qEnvironmentVariable("STICKWELL_DATA_DIR"), QCoreApplication::applicationDirPath());
}

QString sharedFolderFor(const QString& environment, const QString& programDir)
{
    if (!environment.isEmpty())
        return environment;
    QStringList candidates;
    if (!programDir.isEmpty())
        candidates << programDir + QStringLiteral("/" STICKWELL_DATA_FROM_PROGRAM);
    candidates << QStringLiteral(STICKWELL_SOURCE_DIR "/data") << QStringLiteral(STICKWELL_INSTALLED_DATA);
    for (const QString& candidate : candidates)
        if (QFileInfo(candidate).isDir())
            return QDir::cleanPath(QFileInfo(candidate).absoluteFilePath());
    return QStringLiteral(STICKWELL_INSTALLED_DATA);
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
        if (g_firstRunSeeder)
            g_firstRunSeeder(folder);
    }
    g_programFolder = folder;
    return folder;
}

QString templateFolder() { return programFolder() + "/Template"; }

void setProgramFolder(const QString& folder) { g_programFolder = folder; }

void setSharedFolder(const QString& folder) { g_sharedFolder = folder; }

void setFirstRunSeeder(std::function<void(const QString&)> seeder) { g_firstRunSeeder = std::move(seeder); }

} // namespace AppPaths
