#include "ui/wizard/TemplateDesign.h"

#include "files/DesignFile.h"
#include "model/Card.h"
#include "model/LayoutRecord.h"
#include "model/ObjectManager.h"

int32_t createFromTemplate(ObjectManager& manager, const QString& templatePath, LayoutRecord& layout,
                           QString& linkedDatabasePath, int32_t& zoom, CardExpert& expert)
{
    QString templateDatabase;
    const int32_t result = readDesignFile(manager, templatePath, layout, templateDatabase, zoom);
    if (result != DesignFileResult::Success)
        return result;
    expert.values.clearFound();
    mergePersonalDataIntoRegions(manager, layout.foldType, expert.values);
    if (!expert.background.isEmpty()) {
        manager.card().backImage = expert.background;
        expert.background.clear();
    }
    // A template's own link is not carried over: the design links what the wizard chose.
    if (!expert.databasePath.isEmpty())
        linkedDatabasePath = expert.databasePath;
    return result;
}
