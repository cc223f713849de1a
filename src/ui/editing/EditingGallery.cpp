#include <QTabWidget>

#include "model/DesignObject.h"
#include "model/Options.h"
#include "system/AppPaths.h"
#include "ui/designwindow/DesignSurface.h"
#include "ui/editing/AlignmentDialog.h"
#include "ui/editing/BackgroundDialog.h"
#include "ui/editing/EditingCommands.h"
#include "ui/editing/MarginsDialog.h"
#include "ui/editing/SymbolDialog.h"
#include "ui/editing/VariableTextDialog.h"
#include "ui/shell/DesignWindow.h"
#include "ui/shell/Gallery.h"
#include "ui/shell/MainWindow.h"

namespace {

// An example design with one object of the kind selected and the given page in front.
QWidget* pageOf(MainWindow& window, const QString& example, const QString& object, const QString& page)
{
    window.openDesignPath(AppPaths::sharedFolder() + QStringLiteral("/examples/") + example, false);
    DesignWindow* design = window.activeDesignWindow();
    if (!design)
        return nullptr;
    DesignObject* wanted = design->document().editor.card().findByName(object);
    if (!wanted)
        return nullptr;
    design->surface().selectOnly(wanted);
    window.enableCommands();
    if (QWidget* shownPage = window.propertyPages()->findChild<QWidget*>(page))
        window.propertyPages()->setCurrentWidget(shownPage);
    return window.propertyPages()->currentWidget() &&
                   window.propertyPages()->currentWidget()->objectName() == page
               ? &window
               : nullptr;
}

QWidget* shown(QDialog* dialog)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    return dialog;
}

} // namespace

void registerEditingGalleryStates()
{
    const struct {
        const char* state;
        const char* example;
        const char* object;
        const char* page;
    } pages[] = {
        {"property-general-page", "shapes-and-text.lpd", "Shape1", "GeneralPage"},
        {"property-text-page", "address-label.lpd", "Text0", "TextPage"},
        {"property-text-properties-page", "shapes-and-text.lpd", "Text1", "TextPropertiesPage"},
        {"property-bar-code-page", "bar-codes.lpd", "Text3", "TextPropertiesPage"},
        {"property-arc-text-page", "arc-text.lpd", "Text1", "TextPropertiesPage"},
        {"property-shape-page", "shapes-and-text.lpd", "Shape1", "ShapePage"},
        {"property-line-page", "shapes-and-text.lpd", "Shape9", "ShapePage"},
        {"property-graphic-page", "picture-and-codes.lpd", "Graphic1", "GraphicPage"},
    };
    for (const auto& p : pages) {
        const QString example = QString::fromLatin1(p.example);
        const QString page = QString::fromLatin1(p.page);
        const QString object = QString::fromLatin1(p.object);
        addGalleryState(QString::fromLatin1(p.state),
                        [example, object, page](MainWindow& window) { return pageOf(window, example, object, page); });
    }
    addGalleryState(QStringLiteral("variable-text-dialog"), [](MainWindow& window) {
        return shown(new VariableTextDialog({QStringLiteral("Anna Berg"), QStringLiteral("Carl Dahl"),
                                             QStringLiteral("Eva Fors\r\nSecond line")},
                                            &window));
    });
    addGalleryState(QStringLiteral("alignment-dialog"),
                    [](MainWindow& window) { return shown(new AlignmentDialog(true, &window)); });
    addGalleryState(QStringLiteral("margins-dialog"), [](MainWindow& window) {
        return shown(new MarginsDialog({8, 8, 12, 127}, Options::current().metricUnits, &window));
    });
    addGalleryState(QStringLiteral("margins-dialog-metric"),
                    [](MainWindow& window) { return shown(new MarginsDialog({100, 8, 12, 127}, true, &window)); });
    addGalleryState(QStringLiteral("background-dialog"), [](MainWindow& window) {
        QImage image(120, 80, QImage::Format_RGB32);
        image.fill(QColor(250, 220, 160));
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 120; x += 8)
                image.setPixel(x, y, qRgb(200, 120, 60));
        Picture picture;
        picture.setBitmap(image);
        return shown(new BackgroundDialog(picture, &window));
    });
    addGalleryState(QStringLiteral("symbol-picker"), [](MainWindow& window) {
        return shown(new SymbolDialog(QStringLiteral("Liberation Serif"), &window));
    });
}
