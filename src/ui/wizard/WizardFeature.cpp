#include "ui/wizard/WizardFeature.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <vector>

#include "files/DesignFile.h"
#include "model/Options.h"
#include "system/Messages.h"
#include "ui/shell/DefaultLayout.h"
#include "ui/shell/DesignDocument.h"
#include "ui/shell/Gallery.h"
#include "ui/shell/CommandHost.h"
#include "ui/shell/MainWindow.h"
#include "ui/wizard/DesignWizardDialog.h"

namespace {

using Page = DesignWizardModel::Page;
using Box = DesignWizardModel::Box;

void typeSampleData(DesignWizardDialog& wizard)
{
    const std::pair<Page, std::vector<std::pair<Box, const char*>>> samples[] = {
        {Page::Address, {{Box::AddressBox, "Margaret Oduya\nHarrow & Finch Ltd\n48 Larkspur Lane\nPortland OR 97205"}}},
        {Page::BusinessCard,
         {{Box::CardNameBox, "Margaret Oduya"}, {Box::CompanyBox, "Harrow & Finch"}, {Box::TitleBox, "Head of Design"},
          {Box::CardAddressBox, "48 Larkspur Lane\nPortland OR 97205"}, {Box::PhoneBox, "+1 503 555 0148"},
          {Box::EmailBox, "margaret@harrowfinch.com"}, {Box::WebsiteBox, "www.harrowfinch.com"}}},
        {Page::GreetingCard,
         {{Box::ToNameBox, "Margaret"}, {Box::FromNameBox, "Tom & Ellie"}, {Box::CoverTextBox, "Happy Birthday!"},
          {Box::InsideTextBox, "Wishing you a wonderful year."}}},
        {Page::Media,
         {{Box::MediaTitleBox, "Summer Sessions"}, {Box::MediaAuthorBox, "The Larkspur Quartet"},
          {Box::MediaDescriptionBox, "Live recordings, July 2026"}}},
    };
    for (const auto& [page, boxes] : samples)
        if (wizard.model().page() == page)
            for (const auto& [box, text] : boxes)
                wizard.typeInto(box, QString::fromUtf8(text));
}

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
    if (const auto& chooseLayout = window.services().chooseLayout) {
        if (const auto chosen = chooseLayout(&window, nullptr))
            return *chosen;
        return LayoutRecord();
    }
    return defaultLayout();
}

// The wizard advanced page by page on the first template of a category of
// the Standard family, with a background picked and sample data typed, for
// pictures of it.
DesignWizardDialog* wizardAt(MainWindow& window, Page target, const QString& category)
{
    auto* wizard = new DesignWizardDialog(DesignWizardModel::programFolders(), false, &window);
    wizard->setAttribute(Qt::WA_DeleteOnClose);
    DesignWizardModel& model = wizard->model();
    for (;;) {
        if (model.page() == Page::Template)
            model.chooseTemplateCategory(std::max(0, int(model.templateCategories().indexOf(category))));
        if (model.page() == Page::Background && category == QLatin1String("Address Labels")) {
            model.chooseBackgroundCategory(int(model.backgroundCategories().indexOf(QStringLiteral("Soft Gradients"))));
            model.chooseBackgroundFile(int(model.backgroundFiles().indexOf(QStringLiteral("Peach.jpg"))));
        }
        typeSampleData(*wizard);
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
    const int32_t result =
        createFromTemplate(document->editor.manager(), expert.templatePath, layout, linked, zoom, expert);
    if (result != DesignFileResult::Success) {
        Messages::error(designFileResultText(result, Options::current().metricUnits));
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

void installWizard(MainWindow& window, FamilyServices&)
{
    MainWindow* w = &window;
    window.commands().add({.name = "NewMI", .caption = "&New...", .rule = CommandRule::Always,
                           .shortcut = QKeySequence(Qt::CTRL | Qt::Key_N), .menu = {Menu::File, 10},
                           .button = {Bar::Main, 10, "NewBtn", "New", "document-new"},
                           .run = [w] { runNewCommand(*w); }});
}

void registerWizardGalleryStates()
{
    const struct {
        const char* name;
        Page page;
        const char* category;
    } states[] = {
        {"wizard-option", Page::Option, "Address Labels"},
        {"wizard-template", Page::Template, "Business Cards"},
        {"wizard-background", Page::Background, "Address Labels"},
        {"wizard-address", Page::Address, "Address Labels"},
        {"wizard-business-card", Page::BusinessCard, "Business Cards"},
        {"wizard-greeting-card", Page::GreetingCard, "Occasion Cards"},
        {"wizard-media", Page::Media, "Media Labels"},
        {"wizard-finish", Page::Finish, "Occasion Cards"},
    };
    for (const auto& state : states) {
        const Page page = state.page;
        const QString category = QLatin1String(state.category);
        addGalleryState(QLatin1String(state.name),
                        [page, category](MainWindow& window) -> QWidget* { return wizardAt(window, page, category); });
    }
}
