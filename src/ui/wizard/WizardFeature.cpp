#include "ui/wizard/WizardFeature.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>

#include "files/DesignFile.h"
#include "model/Options.h"
#include "system/Messages.h"
#include "ui/shell/DefaultLayout.h"
#include "ui/shell/DesignDocument.h"
#include "ui/shell/Gallery.h"
#include "ui/shell/Hooks.h"
#include "ui/shell/MainWindow.h"
#include "ui/wizard/DesignWizardDialog.h"

namespace {

using Page = DesignWizardModel::Page;

void runNewCommand(MainWindow& window)
{
    auto* wizard = new DesignWizardDialog(DesignWizardModel::programFolders(), Options::current().metricUnits, &window);
    wizard->setAttribute(Qt::WA_DeleteOnClose);
    // Window-modal without a nested loop: the frame keeps running while the wizard is up.
    QObject::connect(wizard, &QDialog::accepted, &window, [&window, wizard] {
        CardExpert expert = wizard->model().result();
        carryOutWizardChoice(window, expert);
        window.enableCommands();
    });
    wizard->open();
}

LayoutRecord layoutForBlankDesign(MainWindow& window)
{
    if (Hooks::chooseLayout()) {
        if (const auto chosen = Hooks::chooseLayout()(&window, nullptr))
            return *chosen;
        return LayoutRecord();
    }
    return defaultLayout();
}

// The wizard advanced page by page on the Standard family's first template,
// with a background picked and sample data typed, for pictures of it.
DesignWizardDialog* wizardAt(MainWindow& window, Page target)
{
    auto* wizard = new DesignWizardDialog(DesignWizardModel::programFolders(), false, &window);
    wizard->setAttribute(Qt::WA_DeleteOnClose);
    DesignWizardModel& model = wizard->model();
    for (;;) {
        if (model.page() == Page::Background) {
            model.chooseBackgroundCategory(int(model.backgroundCategories().indexOf(QStringLiteral("Soft Gradients"))));
            model.chooseBackgroundFile(int(model.backgroundFiles().indexOf(QStringLiteral("Peach.jpg"))));
        }
        if (model.page() == Page::Address)
            wizard->typeInto(DesignWizardModel::AddressBox, QStringLiteral("Margaret Oduya\nHarrow & Finch Ltd\n"
                                                                           "48 Larkspur Lane\nPortland OR 97205"));
        const Page before = model.page();
        if (before == target)
            break;
        wizard->nextClicked();
        if (model.page() == before)
            break;
    }
    wizard->showModel();
    wizard->show();
    return wizard;
}

} // namespace

std::unique_ptr<DesignDocument> documentFromTemplate(CardExpert& expert, int untitledNumber)
{
    auto document = std::make_unique<DesignDocument>();
    LayoutRecord layout;
    QString linked;
    int32_t zoom = 100;
    const int32_t result = createFromTemplate(document->editor.manager, expert.templatePath, layout, linked, zoom,
                                              expert, document->editor.handlers);
    if (result != DesignFileResult::Success) {
        Messages::error(designFileResultText(result));
        return nullptr;
    }
    document->startFromTemplate(layout, linked, zoom, untitledNumber);
    return document;
}

void carryOutWizardChoice(MainWindow& window, CardExpert& expert)
{
    switch (expert.choice) {
    case CardExpert::FromTemplate:
        if (auto document = documentFromTemplate(expert, window.takeUntitledNumber()))
            window.addDesignWindow(std::move(document));
        break;
    case CardExpert::BlankFromLayout: {
        const LayoutRecord layout = layoutForBlankDesign(window);
        if (layout.elementWidth > 0 && layout.elementHeight > 0)
            window.newBlankDesign(layout);
        break;
    }
    case CardExpert::OpenFile:
        if (QAction* open = window.command(QStringLiteral("OpenMI")))
            open->trigger();
        break;
    default: break;
    }
}

void installWizard(MainWindow& window)
{
    QAction* action = window.command(QStringLiteral("NewMI"));
    if (!action)
        return;
    QObject::disconnect(action, &QAction::triggered, &window, nullptr);
    QObject::connect(action, &QAction::triggered, &window, [&window] { runNewCommand(window); });
}

void registerWizardGalleryStates()
{
    const std::pair<const char*, Page> states[] = {
        {"wizard-option", Page::Option},       {"wizard-template", Page::Template},
        {"wizard-background", Page::Background}, {"wizard-address", Page::Address},
        {"wizard-finish", Page::Finish},
    };
    for (const auto& [name, page] : states)
        addGalleryState(QLatin1String(name), [page](MainWindow& window) -> QWidget* { return wizardAt(window, page); });
}
