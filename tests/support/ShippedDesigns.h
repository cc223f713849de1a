#pragma once
// The designs the program ships: the examples and the templates under data/.

#include <QDir>
#include <QDirIterator>
#include <QStringList>

inline QStringList shippedDesignPaths()
{
    QStringList paths;
    QDirIterator it(QStringLiteral(STICKWELL_SOURCE_DIR "/data"), {"*.lpd", "*.cct"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        paths << it.next();
    return paths;
}
