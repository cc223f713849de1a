#include "ui/data/DataDialogs.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTabWidget>

#include "model/Options.h"
#include "print/DesignPrinting.h"
#include "system/AppPaths.h"
#include "ui/data/ConnectionDialog.h"
#include "ui/data/FieldWizardDialog.h"
#include "ui/data/ImportDialog.h"
#include "ui/data/LinkCommand.h"
#include "ui/data/LinkWizardDialog.h"
#include "ui/shell/LoadProgress.h"
#include "ui/data/PdbDialog.h"
#include "ui/shell/CommandHost.h"
#include "ui/shell/DesignWindow.h"
#include "ui/shell/FamilyServices.h"
#include "ui/shell/Gallery.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/ProtectionCheck.h"

bool runLinkedDatabaseCommand(MainWindow& window)
{
    DesignWindow* design = window.activeDesignWindow();
    if (!design || !window.passesProtection(ProtectionKind::DesignChange))
        return false;
    DesignDocument& document = design->document();
    LinkWizardDialog wizard(Options::current().db, document.linkedDatabasePath(), &window);
    const bool finished = wizard.exec() == QDialog::Accepted;
    bool changed = false;
    {
        LoadProgress progress(document.dataReader(), &window);
        changed = applyLinkWizardResult(document, finished, wizard.linkPath());
    }
    window.afterDesignChange();
    return changed;
}

void runPersonalDatabasesCommand(MainWindow& window)
{
    PdbDialog dialog(Options::current().db, &window);
    dialog.exec();
}

std::optional<QString> runFieldWizard(QWidget* parent, const QString& linkPath, const QString& startSpec)
{
    return FieldWizardDialog::run(parent, linkPath, startSpec);
}

void installDataDialogs(MainWindow& window, FamilyServices& services)
{
    using R = CommandRule;
    MainWindow* w = &window;
    window.commands().add({.name = "LinkedDatabaseMI", .caption = "&Linked Database...", .rule = R::Window,
                           .menu = {Menu::Edit, 330}, .run = [w] { runLinkedDatabaseCommand(*w); }});
    window.commands().add({.name = "PersonalDatabasesMI", .caption = "&Personal Databases...", .rule = R::Always,
                           .menu = {Menu::View, 220},
                           .button = {Bar::Main, 510, "PersonalDatabaseBtn", "Personal Databases",
                                      "stickwell-personal-databases"},
                           .run = [w] { runPersonalDatabasesCommand(*w); }});
    services.pickText = [](QWidget* parent) { return PdbDialog::pickText(parent, Options::current().db); };
    // The Field Wizard reads the active design's own linked source.
    services.buildField = [&window](QWidget* parent, DataReader&, const QString& startSpec) -> std::optional<QString> {
        DesignWindow* design = window.activeDesignWindow();
        if (!design || design->document().linkedDatabasePath().isEmpty())
            return std::nullopt;
        const DesignDocument& document = design->document();
        return runFieldWizard(parent, resolveLinkedPath(document.fileName(), document.linkedDatabasePath()),
                              startSpec);
    };
}

namespace {

// The pictures work on copies in the Database folder (a throwaway home
// when scripts/gallery.sh runs), never on the shipped examples.
QString galleryCopy(const QString& example)
{
    const QString folder = Options::current().db + QStringLiteral("/Gallery");
    QDir().mkpath(folder);
    const QString target = folder + '/' + example;
    QFile::remove(target);
    QFile::copy(AppPaths::sharedFolder() + QStringLiteral("/examples/") + example, target);
    return target;
}

QWidget* shown(QDialog* dialog)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    return dialog;
}

// A link wizard on the address example, moved forward by the given steps.
QWidget* linkWizardAt(MainWindow& window, const std::function<void(LinkWizardDialog&)>& steps)
{
    auto* wizard = new LinkWizardDialog(Options::current().db, galleryCopy(QStringLiteral("addresses.csv")), &window);
    steps(*wizard);
    wizard->refresh();
    return shown(wizard);
}

void seedPersonalDatabases()
{
    const QString db = Options::current().db;
    PdbPageModel names(db, PdbKind::Names);
    names.show();
    if (names.records().empty()) {
        const char* people[][5] = {{"Ada", "Quill", "12 Rope Walk", "Fenwick", "Lantern Print Co."},
                                   {"bert", "Hollis", "3 Mill Lane", "Osterby", ""},
                                   {"Cora", "Venn", "88 Harbour Row", "Saltmarsh", "Venn & Daughters"}};
        for (const auto& person : people) {
            names.insert();
            names.setValue(QStringLiteral("FIRSTNAME"), QString::fromUtf8(person[0]));
            names.setValue(QStringLiteral("LASTNAME"), QString::fromUtf8(person[1]));
            names.setValue(QStringLiteral("ADDRESS"), QString::fromUtf8(person[2]));
            names.setValue(QStringLiteral("CITY"), QString::fromUtf8(person[3]));
            names.setValue(QStringLiteral("COMPANY"), QString::fromUtf8(person[4]));
            names.post();
        }
    }
    PdbPageModel media(db, PdbKind::Media);
    media.show();
    if (media.records().empty()) {
        media.insert();
        media.setValue(QStringLiteral("TITLE"), QStringLiteral("Summer Mix 2026"));
        media.setValue(QStringLiteral("AUTHOR"), QStringLiteral("Various"));
        media.setValue(QStringLiteral("CONTENTS"), QStringLiteral("1. Morning Tide\r\n2. Copper Fields"));
        media.post();
    }
    PdbPageModel texts(db, PdbKind::Texts);
    texts.show();
    if (texts.records().empty()) {
        for (const char* text : {"Happy birthday and many happy returns of the day!", "With warmest wishes"}) {
            texts.insert();
            texts.setValue(QStringLiteral("TEXT"), QString::fromUtf8(text));
            texts.post();
        }
    }
}

QWidget* pdbDialogAt(MainWindow& window, PdbKind kind, int fieldTab)
{
    seedPersonalDatabases();
    auto* dialog = new PdbDialog(Options::current().db, &window);
    dialog->sheet()->setCurrentIndex(int(kind));
    if (auto* tabs = dialog->page(kind).findChild<QTabWidget*>(QStringLiteral("FieldSheet")))
        tabs->setCurrentIndex(fieldTab);
    return shown(dialog);
}

} // namespace

void registerDataDialogGalleryStates()
{
    using Steps = std::function<void(LinkWizardDialog&)>;
    const std::pair<const char*, Steps> linkStates[] = {
        {"link-wizard-options", [](LinkWizardDialog&) {}},
        {"link-wizard-database", [](LinkWizardDialog& w) { w.nextClicked(); }},
        {"link-wizard-link-file",
         [](LinkWizardDialog& w) {
             w.model().start(QString());
             w.model().setOption(LinkOption::NewLinkFile);
             w.nextClicked();
             w.model().chooseFile(Options::current().db + QStringLiteral("/Gallery/contacts.dlf"));
             w.model().setConnection(QStringLiteral("Driver=QPSQL;Host=localhost;Port=5432;Database=office;User=clerk;"),
                                     {QStringLiteral("contacts"), QStringLiteral("suppliers")});
         }},
        {"link-wizard-selection",
         [](LinkWizardDialog& w) {
             w.nextClicked();
             w.nextClicked();
         }},
        {"link-wizard-filter",
         [](LinkWizardDialog& w) {
             w.nextClicked();
             w.nextClicked();
             w.model().setAllRecords(false);
             w.nextClicked();
             w.model().filterField = QStringLiteral("LASTNAME");
             w.model().comparison = QStringLiteral("LIKE");
             w.model().filterValue = QStringLiteral("Y%");
             w.model().addCondition();
             w.model().addOr();
             w.model().filterField = QStringLiteral("STATE");
             w.model().comparison = QStringLiteral("=");
             w.model().filterValue = QStringLiteral("CA");
         }},
        {"link-wizard-sort",
         [](LinkWizardDialog& w) {
             w.nextClicked();
             w.nextClicked();
             w.model().setAllRecords(false);
             w.nextClicked();
             w.nextClicked();
             w.model().sortField = QStringLiteral("STATE");
             w.model().addSort();
             w.model().sortField = QStringLiteral("LASTNAME");
             w.model().descending = true;
             w.model().addSort();
         }},
        {"link-wizard-finish",
         [](LinkWizardDialog& w) {
             w.nextClicked();
             w.nextClicked();
             w.nextClicked();
             w.model().startListing();
             while (w.model().listNextBlock()) {
             }
         }},
    };
    for (const auto& [name, steps] : linkStates)
        addGalleryState(QLatin1String(name), [steps](MainWindow& window) { return linkWizardAt(window, steps); });

    addGalleryState(QStringLiteral("connection-builder"), [](MainWindow& window) {
        return shown(new ConnectionDialog(
            QStringLiteral("Driver=QPSQL;Host=localhost;Port=5432;Database=office;User=clerk;Password=;"), &window));
    });
    addGalleryState(QStringLiteral("field-wizard-introduction"), [](MainWindow& window) {
        return shown(new FieldWizardDialog(galleryCopy(QStringLiteral("addresses.csv")), QString(), &window));
    });
    addGalleryState(QStringLiteral("field-wizard-construction"), [](MainWindow& window) {
        auto* wizard = new FieldWizardDialog(galleryCopy(QStringLiteral("addresses.csv")), QString(), &window);
        wizard->nextClicked();
        FieldWizardModel& model = wizard->model();
        for (const char* field : {"FIRSTNAME", "LASTNAME"}) {
            model.chosenField = QLatin1String(field);
            model.addField();
            if (model.spec == QLatin1String("FIRSTNAME"))
                model.addSpace();
        }
        model.addNewLine();
        model.chosenField = QStringLiteral("CITY");
        model.addField();
        wizard->refresh();
        return shown(wizard);
    });

    const std::tuple<const char*, PdbKind, int> pdbStates[] = {
        {"pdb-names", PdbKind::Names, 0},   {"pdb-names-contact", PdbKind::Names, 1},
        {"pdb-names-additional", PdbKind::Names, 2}, {"pdb-media", PdbKind::Media, 0},
        {"pdb-media-contents", PdbKind::Media, 1},   {"pdb-media-notes", PdbKind::Media, 2},
        {"pdb-texts", PdbKind::Texts, 0},
    };
    for (const auto& [name, kind, tab] : pdbStates)
        addGalleryState(QLatin1String(name),
                        [kind = kind, tab = tab](MainWindow& window) { return pdbDialogAt(window, kind, tab); });

    addGalleryState(QStringLiteral("pdb-import"), [](MainWindow& window) {
        auto* dialog = new ImportDialog(PdbKind::Names, &window);
        dialog->model().chooseFile(galleryCopy(QStringLiteral("addresses.csv")));
        dialog->model().add();
        dialog->model().add();
        dialog->refresh();
        return shown(dialog);
    });
}
