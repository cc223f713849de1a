#pragma once
// Templates: design files (".cct") kept under Template/<family>/<category>/.
// The design wizard lists them; Save As Template writes them.

#include <QString>
#include <QStringList>
#include <cstdint>

class ObjectManager;
struct LayoutRecord;

// Families are "Standard" and "A4".
QStringList listTemplateCategories(const QString& family, const QString& templateFolder);
QStringList listTemplates(const QString& family, const QString& category, const QString& templateFolder);
// A listed template name turned back into its file: the file's real spelling,
// whatever the case of its ".cct" (a file system may tell "Red.CCT" from
// "Red.cct"); name + ".cct" when there is no such file yet.
QString templateFilePath(const QString& family, const QString& category, const QString& name,
                         const QString& templateFolder);

// The wizard type stored for an entry of the "Wizard Type" list
// (FilesTexts::WizardTypeEntries).
uint8_t wizardTypeForEntry(int entryIndex);

// The writing half of Save As Template: stores the wizard type in the layout
// and writes the design to path. On failure the caller shows text 1003.
bool saveAsTemplate(ObjectManager& manager, LayoutRecord& layout, const QString& linkedDatabasePath,
                    int32_t zoom, int wizardEntry, const QString& path);
