#pragma once
// A new design made from a template with the wizard's personal data: the
// wizard's record and the function that reads the template and merges the
// data into every region.

#include <QString>
#include <cstdint>

#include "imaging/Picture.h"
#include "merge/PersonalMerge.h"

class ObjectManager;
struct LayoutRecord;

struct CardExpert {
    enum Choice : int32_t { FromTemplate = 0, BlankFromLayout = 1, OpenFile = 2 };
    QString templatePath;
    QString databasePath;  // becomes the design's linked data source when set
    Picture background;    // for region 0; taken by createFromTemplate
    int32_t choice = FromTemplate;
    int32_t wizardType = 0;
    PersonalMergeValues values;
};

// Reads the template into the (new, empty) manager and merges the personal
// data into each region, ending with region 0 live; region 0 gets the
// background. Returns readDesignFile's result code.
int32_t createFromTemplate(ObjectManager& manager, const QString& templatePath, LayoutRecord& layout,
                           QString& linkedDatabasePath, int32_t& zoom, CardExpert& expert);
