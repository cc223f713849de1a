// Pictures of the printing family's windows for scripts/gallery.sh.

#include <QBuffer>
#include <QPdfWriter>

#include "files/LayoutFile.h"
#include "model/LayoutRecord.h"
#include "model/DesignObject.h"
#include "model/ObjectManager.h"
#include "model/Options.h"
#include "system/AppPaths.h"
#include "ui/printing/LayoutChooserDialog.h"
#include "ui/printing/LayoutEditorDialog.h"
#include "ui/printing/PreviewModel.h"
#include "ui/printing/PreviewWindow.h"
#include "ui/printing/PrintDialog.h"
#include "ui/printing/Printing.h"
#include "ui/printing/SaveAsGraphicDialog.h"
#include "ui/printing/SaveAsTemplateDialog.h"
#include "ui/shell/DesignWindow.h"
#include "ui/shell/Gallery.h"
#include "ui/shell/MainWindow.h"

namespace {

DesignWindow* addressExample(MainWindow& window)
{
    window.openDesignPath(AppPaths::sharedFolder() + QStringLiteral("/examples/address-label.lpd"), false);
    return window.activeDesignWindow();
}

// The dialog owns what it shows (the model), so both go together.
template <class Model>
Model* ownedBy(QWidget* owner, Model* model)
{
    QObject::connect(owner, &QObject::destroyed, [model] { delete model; });
    return model;
}

QWidget* shown(QDialog* dialog)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    return dialog;
}

QWidget* printDialog(MainWindow& window, bool secondPass)
{
    LayoutRecord layout = thirtyUpAddressLayout();
    layout.backPrintable = secondPass ? 1 : 0;
    DesignWindow* design = secondPass ? window.newBlankDesign(layout) : addressExample(window);
    if (!design)
        return nullptr;
    auto* form = new PrintForm(design->document().layout(), secondPass ? 0 : 25, true, false);
    form->startPosition = QStringLiteral("5");
    if (secondPass) {
        form->setSide2(true);
        form->enterSecondPass();
    }
    auto* dialog = new PrintDialog(*form, PrintTarget{{}, QStringLiteral("/tmp/labels.pdf")}, &window);
    ownedBy(dialog, form);
    return shown(dialog);
}

QWidget* preview(MainWindow& window, int zoomItem)
{
    DesignWindow* design = addressExample(window);
    if (!design)
        return nullptr;
    auto* buffer = new QBuffer;
    auto* writer = new QPdfWriter(buffer);
    writer->setResolution(600);
    PrintSettings settings;
    settings.quantity = 45;
    settings.cropMarks = true;
    auto* model = new PreviewModel(design->document(), settings, 0, *writer);
    model->chooseZoomItem(zoomItem);
    auto* dialog = new PreviewWindow(*model, &window);
    ownedBy(dialog, model);
    ownedBy(dialog, writer);
    ownedBy(dialog, buffer);
    dialog->resize(760, 860);
    return shown(dialog);
}

QWidget* layoutChooser(MainWindow& window)
{
    auto* chooser = new LayoutChooser(AppPaths::programFolder(), Options::current().metricUnits);
    chooser->select(1);
    auto* dialog = new LayoutChooserDialog(*chooser, true, &window);
    ownedBy(dialog, chooser);
    return shown(dialog);
}

QWidget* layoutEditor(MainWindow& window)
{
    auto* record = new LayoutRecord(thirtyUpAddressLayout());
    auto* form = new LayoutEditorForm(*record, Options::current().metricUnits);
    auto* dialog = new LayoutEditorDialog(*form, *record, &window);
    ownedBy(dialog, form);
    ownedBy(dialog, record);
    return shown(dialog);
}

QWidget* saveAsTemplate(MainWindow& window)
{
    if (!addressExample(window))
        return nullptr;
    auto* form = new SaveAsTemplateForm;
    form->wizardEntry = 1;
    form->path = AppPaths::templateFolder() + QStringLiteral("/Standard/Address/My labels.cct");
    auto* dialog = new SaveAsTemplateDialog(*form, &window);
    ownedBy(dialog, form);
    return shown(dialog);
}

QWidget* saveAsGraphic(MainWindow& window)
{
    if (!addressExample(window))
        return nullptr;
    auto* form = new SaveAsGraphicForm;
    form->path = QStringLiteral("/tmp/address-label.jpg");
    auto* dialog = new SaveAsGraphicDialog(*form, &window);
    ownedBy(dialog, form);
    return shown(dialog);
}

} // namespace

void registerPrintingGalleryStates()
{
    addGalleryState(QStringLiteral("print-dialog"), [](MainWindow& w) { return printDialog(w, false); });
    addGalleryState(QStringLiteral("print-second-pass"), [](MainWindow& w) { return printDialog(w, true); });
    addGalleryState(QStringLiteral("print-preview-fit"), [](MainWindow& w) { return preview(w, 0); });
    addGalleryState(QStringLiteral("print-preview-200"), [](MainWindow& w) { return preview(w, 9); });
    addGalleryState(QStringLiteral("layout-chooser"), layoutChooser);
    addGalleryState(QStringLiteral("layout-editor"), layoutEditor);
    addGalleryState(QStringLiteral("save-as-template"), saveAsTemplate);
    addGalleryState(QStringLiteral("save-as-graphic"), saveAsGraphic);
}
