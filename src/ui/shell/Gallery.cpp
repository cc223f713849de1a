#include "ui/shell/Gallery.h"

#include <QDir>

#include "files/LayoutFile.h"
#include "model/Folds.h"
#include "model/ObjectData.h"
#include "system/AppPaths.h"
#include "ui/designwindow/DesignSurface.h"
#include "ui/shell/DesignWindow.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/OptionsDialog.h"
#include "ui/shell/ProtectionDialog.h"

namespace {

QString exampleDesign(const QString& name) { return AppPaths::sharedFolder() + QStringLiteral("/examples/") + name; }

DesignWindow* openExampleAtZoom(MainWindow& window, int zoom)
{
    window.openDesignPath(exampleDesign(QStringLiteral("address-label.lpd")), false);
    DesignWindow* design = window.activeDesignWindow();
    if (!design)
        return nullptr;
    design->surface().setZoom(zoom, false);
    design->document().editor.modified = false;
    // The address text, selected.
    if (ObjectControl* text = design->document().editor.panel.findByName(QStringLiteral("Text0")))
        design->surface().selectOnly(text);
    return design;
}

DesignWindow* foldedCardInside(MainWindow& window)
{
    for (const LayoutRecord& layout :
         readLayoutFile(AppPaths::programFolder() + QStringLiteral("/Folded Business Cards.LYT"))) {
        if (!layoutSelectable(layout) || layout.foldType == 0 || !layout.regionSizeInRange())
            continue;
        DesignWindow* design = window.newBlankDesign(layout);
        if (!design)
            return nullptr;
        DesignDocument& document = design->document();
        const int inside = int(document.regionCaptions().indexOf(QStringLiteral("Inside")));
        if (inside < 0 || !document.showRegion(inside))
            return nullptr;
        ObjectControl* text = document.editor.manager.createText(30, 30);
        text->setBounds(30, 30, 140, 30);
        text->data()->lines = {QStringLiteral("Warmest wishes")};
        design->surface().contentChangedOutside();
        window.showActiveWindowState();
        return design;
    }
    return nullptr;
}

QWidget* showDialog(QWidget* dialog)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    return dialog;
}

} // namespace

QStringList galleryStates()
{
    return {QStringLiteral("main-window-empty"), QStringLiteral("address-zoom-100"),
            QStringLiteral("address-zoom-300"), QStringLiteral("folded-card-inside"),
            QStringLiteral("options-dialog"),   QStringLiteral("protection-dialog")};
}

QWidget* prepareGalleryState(MainWindow& window, const QString& state)
{
    if (state == QLatin1String("main-window-empty"))
        return &window;
    if (state == QLatin1String("address-zoom-100"))
        return openExampleAtZoom(window, 100) ? &window : nullptr;
    if (state == QLatin1String("address-zoom-300"))
        return openExampleAtZoom(window, 300) ? &window : nullptr;
    if (state == QLatin1String("folded-card-inside"))
        return foldedCardInside(window) ? &window : nullptr;
    if (state == QLatin1String("options-dialog"))
        return showDialog(newOptionsDialog(Options::current(), &window));
    if (state == QLatin1String("protection-dialog"))
        return showDialog(newProtectionDialog(QStringLiteral("abc"), &window));
    return nullptr;
}
