#include "ui/printing/OpenDesignPrinting.h"

#include "model/ObjectManager.h"
#include "print/DesignPrinting.h"
#include "print/PrintTexts.h"
#include "system/Messages.h"
#include "ui/shell/DesignDocument.h"

bool storeShownRegion(DesignDocument& document)
{
    if (document.editor.storeLiveRegion())
        return true;
    Messages::error(document.editor.manager().errorString());
    return false;
}

bool openDocumentData(const DesignDocument& document, PrintData& data)
{
    const QString source = resolveLinkedPath(document.fileName(), document.linkedDatabasePath());
    if (source.isEmpty() || data.open(source))
        return true;
    Messages::error(PrintTexts::cannotOpenData(source));
    return false;
}

PrintDesign printDesignOf(DesignDocument& document)
{
    PrintDesign d;
    d.manager = &document.editor.manager();
    d.layout = document.layout();
    d.caption = document.title();
    return d;
}

PrintJobResult printOpenDesign(DesignDocument& document, QPagedPaintDevice& device, const PrintSettings& settings,
                               const PrintJobCallbacks& callbacks)
{
    PrintJobResult result;
    PrintData data;
    if (!openDocumentData(document, data)) {
        result.error = PrintTexts::cannotOpenData(document.linkedDatabasePath());
        return result;
    }
    // The job stores the region being edited itself.
    PrintDesign design = printDesignOf(document);
    return runPrintJob(design, device, settings, data.drawing(), callbacks);
}
