#include "ui/shell/Gallery.h"

#include <QDir>
#include <vector>

#include "files/LayoutFile.h"
#include "model/Folds.h"
#include "model/DesignObject.h"
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
    // The address text, selected.
    if (DesignObject* text = design->document().editor.card().findByName(QStringLiteral("Text0")))
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
        // Built straight onto the card, like a design read from a file.
        DesignObject* text = document.editor.manager().createText(30, 30);
        text->setRect(QRect(30, 30, 140, 30));
        text->lines = {QStringLiteral("Warmest wishes")};
        document.editor.contentReplaced();
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

namespace {

struct GalleryState {
    QString name;
    GalleryPrepare prepare;
};

std::vector<GalleryState>& states()
{
    static std::vector<GalleryState> all;
    return all;
}

void registerShellStates()
{
    addGalleryState(QStringLiteral("main-window-empty"), [](MainWindow& window) { return &window; });
    addGalleryState(QStringLiteral("address-zoom-100"),
                    [](MainWindow& window) { return openExampleAtZoom(window, 100) ? &window : nullptr; });
    addGalleryState(QStringLiteral("address-zoom-300"),
                    [](MainWindow& window) { return openExampleAtZoom(window, 300) ? &window : nullptr; });
    addGalleryState(QStringLiteral("folded-card-inside"),
                    [](MainWindow& window) { return foldedCardInside(window) ? &window : nullptr; });
    addGalleryState(QStringLiteral("options-dialog"), [](MainWindow& window) {
        return showDialog(newOptionsDialog(Options::current(), &window));
    });
    addGalleryState(QStringLiteral("protection-dialog"), [](MainWindow& window) {
        return showDialog(newProtectionDialog(QStringLiteral("abc"), &window));
    });
}

// The frame's own states come first, whoever registers first.
std::vector<GalleryState>& registeredStates()
{
    static bool shellStates = false;
    if (!shellStates) {
        shellStates = true;
        registerShellStates();
    }
    return states();
}

} // namespace

void addGalleryState(const QString& name, GalleryPrepare prepare)
{
    registeredStates();
    states().push_back({name, std::move(prepare)});
}

QStringList galleryStates()
{
    QStringList names;
    for (const GalleryState& state : registeredStates())
        names << state.name;
    return names;
}

QWidget* prepareGalleryState(MainWindow& window, const QString& name)
{
    for (const GalleryState& state : registeredStates())
        if (state.name == name)
            return state.prepare(window);
    return nullptr;
}
