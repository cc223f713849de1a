#pragma once
// Where the program's folders are. The program's own folder (layout files,
// "Template", "defado.cfg") is a per-user data folder seeded from the shipped
// data/; the shared folder is the shipped data folder itself.

#include <QString>
#include <functional>

namespace AppPaths {
// The shipped data: $STICKWELL_DATA_DIR, else the share folder installed with
// the program (found from the program's own folder, so an installation can
// move), else data/ of the source tree the program was built from, else the
// share folder of the configured installation prefix.
QString sharedFolder();
// The same search for a given environment value and program folder.
QString sharedFolderFor(const QString& environment, const QString& programDir);
// The per-user program folder; created and seeded from the shared folder on
// first use, then handed to the first-run seeder when one is set.
QString programFolder();
// What else fills a new program folder (the programs set it: stocks imported
// from the system's stock definitions).
void setFirstRunSeeder(std::function<void(const QString& programFolder)> seeder);
QString templateFolder();  // programFolder() + "/Template"
// For tests and portable use: overrides both folders.
void setProgramFolder(const QString& folder);
void setSharedFolder(const QString& folder);
}
