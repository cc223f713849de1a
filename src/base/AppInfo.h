#pragma once
// Who the program is: its title, maker and version, named once. The settings
// file, the settings key, the PDF creator, metafile headers and the windows'
// captions all take them from here. Kept in the lowest layer so that every
// layer (the metafile writer included) can use them. Functions rather than
// constants: other files' static data is built from them, in no set order.

#include <QString>

namespace AppInfo {
// The product title: application name, window caption, last part of the settings key.
inline QString productTitle() { return QStringLiteral("Quillon Stickwell"); }
// The maker: first part of the settings key and the settings file's folder.
inline QString organisation() { return QStringLiteral("Zevcraft"); }
// The product line between the maker and the title in the settings key.
inline QString productLine() { return QStringLiteral("Morrowline"); }
// The product family: the application name in exported metafiles.
inline QString productFamily() { return QStringLiteral("Tessaline"); }
inline QString version() { return QStringLiteral(STICKWELL_VERSION); }
inline QString cliName() { return QStringLiteral("stickwell-cli"); }
// The Help menu's web pages.
inline QString homePageUrl() { return QStringLiteral("https://stickwell.zevcraft.example/"); }
inline QString supportUrl() { return QStringLiteral("https://stickwell.zevcraft.example/support/"); }
} // namespace AppInfo
