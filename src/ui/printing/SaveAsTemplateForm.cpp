#include "ui/printing/SaveAsTemplateForm.h"
#include "model/Options.h"

#include "files/DesignFile.h"
#include "files/Templates.h"
#include "system/Messages.h"
#include "ui/shell/DesignDocument.h"

bool SaveAsTemplateForm::save(DesignDocument& document) const
{
    document.setFileName(path);
    LayoutRecord layout = document.layout();
    const bool written = saveAsTemplate(document.editor.manager(), layout, document.linkedDatabasePath(),
                                        document.editor.zoom, wizardEntry, path);
    document.setLayout(layout);
    if (!written) {
        Messages::error(designFileResultText(DesignFileResult::SaveError, Options::current().metricUnits));
        return false;
    }
    document.editor.markSaved();
    return true;
}
