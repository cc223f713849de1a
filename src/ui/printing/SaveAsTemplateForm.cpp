#include "ui/printing/SaveAsTemplateForm.h"

#include "files/DesignFile.h"
#include "files/Templates.h"
#include "system/Messages.h"
#include "ui/shell/DesignDocument.h"

bool SaveAsTemplateForm::save(DesignDocument& document) const
{
    document.setFileName(path);
    document.editor.clearSelection();
    LayoutRecord layout = document.layout();
    ObjectManager& manager = document.editor.manager;
    const bool written = saveAsTemplate(manager, layout, document.linkedDatabasePath(), document.editor.zoom,
                                        manager.currentSide, manager.currentPanel, wizardEntry, path);
    document.setLayout(layout);
    if (!written) {
        Messages::error(designFileResultText(DesignFileResult::SaveError));
        return false;
    }
    document.editor.modified = false;
    return true;
}
