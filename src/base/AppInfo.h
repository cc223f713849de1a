#pragma once
// Who the program is: its title, maker and version, named once. The settings
// file, the settings key, the PDF creator, metafile headers and the windows'
// captions all take them from here. Kept in the lowest layer so that every
// layer (the metafile writer included) can use them.

#include <QString>

namespace AppInfo {
// The product title: application name, window caption, last part of the settings key.
inline const QString ProductTitle = QStringLiteral("Quillon Stickwell");
// The maker: first part of the settings key and the settings file's folder.
inline const QString Organisation = QStringLiteral("Zevcraft");
// The product line between the maker and the title in the settings key.
inline const QString ProductLine = QStringLiteral("Morrowline");
// The product family: the application name in exported metafiles.
inline const QString ProductFamily = QStringLiteral("Tessaline");
inline const QString Version = QStringLiteral(STICKWELL_VERSION);
inline const QString CliName = QStringLiteral("stickwell-cli");
} // namespace AppInfo
