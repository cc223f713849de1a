#include "ui/printing/OpenDesignPrinting.h"

#include "model/ObjectManager.h"
#include "print/DesignPrinting.h"
#include "print/PrintTexts.h"
#include "system/Messages.h"
#include "ui/shell/DesignDocument.h"

ParkedRegion::ParkedRegion(DesignDocument& document) : m_document(document)
{
    ObjectManager& manager = document.editor.manager;
    m_side = manager.currentSide;
    m_panel = manager.currentPanel;
    document.editor.clearSelection();
    m_stored = m_side < 0 || m_panel < 0 ||
               manager.changeRegion(m_side, m_panel, -1, -1, document.editor.zoom, document.editor.handlers);
}

ParkedRegion::~ParkedRegion()
{
    ObjectManager& manager = m_document.editor.manager;
    if (m_side < 0 || m_panel < 0 || (manager.currentSide == m_side && manager.currentPanel == m_panel))
        return;
    if (manager.currentSide >= 0 && manager.currentPanel >= 0)
        manager.changeRegion(manager.currentSide, manager.currentPanel, -1, -1, m_document.editor.zoom,
                             m_document.editor.handlers);
    manager.changeRegion(-1, -1, m_side, m_panel, m_document.editor.zoom, m_document.editor.handlers);
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
    d.manager = &document.editor.manager;
    d.layout = document.layout();
    d.zoom = document.editor.zoom;
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
    ParkedRegion parked(document);
    if (!parked.stored()) {
        result.error = PrintTexts::CannotStoreRegion;
        return result;
    }
    PrintDesign design = printDesignOf(document);
    return runPrintJob(design, device, settings, data.drawing(), callbacks);
}
