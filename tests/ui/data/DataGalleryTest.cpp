// Every picture state of the merge-data dialogs sets up the window it names.

#include <gtest/gtest.h>

#include <QStackedWidget>
#include <QWidget>

#include "TestSupport.h"
#include "ui/shell/Gallery.h"
#include "ui/shell/MainWindow.h"
#include "shell/ProgramWindow.h"

namespace {

TEST(DataGallery, EveryStateShowsItsDialogAndPage)
{
    struct Case {
        const char* state;
        const char* dialog;
        const char* page;  // the wizard page shown, or null
    };
    const std::vector<Case> cases = {
        {"link-wizard-options", "LinkDBForm", "OptionsPage"},
        {"link-wizard-database", "LinkDBForm", "DatabasePage"},
        {"link-wizard-link-file", "LinkDBForm", "DatabasePage"},
        {"link-wizard-selection", "LinkDBForm", "RecordSelectionPage"},
        {"link-wizard-filter", "LinkDBForm", "FilterPage"},
        {"link-wizard-sort", "LinkDBForm", "SortPage"},
        {"link-wizard-finish", "LinkDBForm", "FinishPage"},
        {"connection-builder", "ConnectionForm", nullptr},
        {"field-wizard-introduction", "BuildFieldForm", "IntroductionPage"},
        {"field-wizard-construction", "BuildFieldForm", "ConstructionPage"},
        {"pdb-names", "PDBForm", nullptr},
        {"pdb-names-contact", "PDBForm", nullptr},
        {"pdb-names-additional", "PDBForm", nullptr},
        {"pdb-media", "PDBForm", nullptr},
        {"pdb-media-contents", "PDBForm", nullptr},
        {"pdb-media-notes", "PDBForm", nullptr},
        {"pdb-texts", "PDBForm", nullptr},
        {"pdb-import", "PDBImportForm", nullptr},
    };
    MessageRecorder messages;
    // As the program does before it reads --state.
    registerFeatureGalleryStates();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state);
        ASSERT_TRUE(galleryStates().contains(QLatin1String(c.state)));
        ProgramWindow window;
        QWidget* shown = prepareGalleryState(window, QLatin1String(c.state));
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->objectName(), QLatin1String(c.dialog));
        if (c.page) {
            auto* pages = shown->findChild<QStackedWidget*>();
            ASSERT_NE(pages, nullptr);
            EXPECT_EQ(pages->currentWidget()->objectName(), QLatin1String(c.page));
        }
        shown->close();
    }
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join('\n').toStdString();
}

} // namespace
