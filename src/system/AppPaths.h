#pragma once
// Where the program's folders are. The program's own folder (layout files,
// "Template", "defado.cfg") is a per-user data folder seeded from the shipped
// data/; the shared folder is the shipped data folder itself.

#include <QString>

namespace AppPaths {
// The shipped data: $STICKWELL_DATA_DIR, else data/ beside the executable's
// source tree when run from the build tree, else the installed share folder.
QString sharedFolder();
// The per-user program folder; created and seeded from the shared folder on first use.
QString programFolder();
QString templateFolder();  // programFolder() + "/Template"
// For tests and portable use: overrides both folders.
void setProgramFolder(const QString& folder);
void setSharedFolder(const QString& folder);
}
