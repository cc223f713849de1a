// Save As Graphic and Save As Template from the window: the file types, the
// name the chosen type completes, the JPEG options, the picture's size at the
// zoom, the template's wizard type and name, and the failure texts.

#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QListWidget>

#include "PrintingFixture.h"
#include "export/ExportFormat.h"
#include "export/RegionExport.h"
#include "files/DesignFile.h"
#include "render/CardPainter.h"
#include "ui/designwindow/DesignSurface.h"
#include "ui/printing/SaveAsGraphicDialog.h"
#include "ui/printing/SaveAsTemplateDialog.h"

TEST(SaveAsGraphicForm, FileTypesComeFromTheExportTable)
{
    const std::vector<GraphicFileType> types = graphicFileTypes();
    ASSERT_GE(types.size(), 3u);
    EXPECT_EQ(types[0].extension, "wmf");
    EXPECT_EQ(types[1].extension, "jpg");
    EXPECT_EQ(types[2].extension, "bmp");
    // Every extension the export layer writes is offered, each once.
    const QString filters = graphicFilterString();
    for (const QString& extension : exportExtensions())
        EXPECT_EQ(filters.count("*." + extension + ")") + filters.count("*." + extension + " "), 1)
            << extension.toStdString();
}

TEST(SaveAsGraphicForm, NamesAndOptions)
{
    const QString jpegFilter = graphicFileTypes()[1].filter;
    struct Case {
        const char* chosen;
        const char* completed;
        bool jpeg;
    };
    const Case cases[] = {
        {"/tmp/card", "/tmp/card.jpg", true},
        {"/tmp/card.png", "/tmp/card.png", false},
        {"/tmp/card.JPG", "/tmp/card.JPG", true},
        {"/tmp/card.jpeg", "/tmp/card.jpeg", true},
    };
    for (const Case& c : cases) {
        SaveAsGraphicForm form;
        form.path = completeGraphicPath(c.chosen, jpegFilter);
        EXPECT_EQ(form.path, c.completed);
        EXPECT_EQ(form.jpegOptionsShown(), c.jpeg) << c.chosen;
    }
    SaveAsGraphicForm form;
    EXPECT_FALSE(form.okEnabled());
    EXPECT_EQ(form.options().quality, 75);
    for (const auto& [text, quality] : {std::pair{"40", 40}, {"x", 75}, {"101", 75}, {"0", 0}}) {
        form.quality = text;
        EXPECT_EQ(form.options().quality, quality) << text;
    }
}

TEST_F(PrintingFixture, SaveAsGraphicWritesTheRegionAtTheZoom)
{
    DesignWindow& design = openExample();
    design.surface().setZoom(200, false);
    const QSize card = cardPixelSize(design.document().editor.card(), 200);
    struct Case {
        QString path;
        bool written;
    };
    for (const Case& c : {Case{dir.filePath("card.bmp"), true}, Case{dir.filePath("missing/card.bmp"), false}}) {
        recordedMessages().clear();
        bool jpegShown = true;
        answer = [&](QDialog& d) {
            auto* dialog = qobject_cast<SaveAsGraphicDialog*>(&d);
            dialog->fileChosen(c.path);
            jpegShown = !d.findChild<QGroupBox*>("JpegOptionsGroup")->isHidden();
            return int(QDialog::Accepted);
        };
        trigger("SaveAsGraphicMI");
        EXPECT_FALSE(jpegShown);
        const QImage image(c.path);
        EXPECT_EQ(!image.isNull(), c.written);
        if (c.written) {
            EXPECT_EQ(image.size(), card);
            EXPECT_EQ(image.width(), 262 * 2);
            EXPECT_TRUE(messages.texts().isEmpty());
        } else {
            EXPECT_EQ(messages.texts(), QStringList{exportSaveErrorText()});
        }
    }
    EXPECT_FALSE(design.document().isModified());
}

TEST_F(PrintingFixture, SaveAsTemplateRenamesTheWindowAndStoresTheWizardType)
{
    DesignWindow& design = openExample();
    design.document().editor.markChanged();
    const QString path = dir.filePath("Media.cct");
    answer = [&](QDialog& d) {
        auto* dialog = qobject_cast<SaveAsTemplateDialog*>(&d);
        d.findChild<QListWidget*>("WizardTypeList")->setCurrentRow(4);  // "Media Label Data"
        dialog->fileChosen(path);
        return int(QDialog::Accepted);
    };
    trigger("SaveAsTemplateMI");
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(design.document().fileName(), path);
    EXPECT_FALSE(design.document().isModified());
    EXPECT_EQ(design.document().layout().wizardType, 6);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(uint8_t(file.readAll()[528 + 93]), 6);
}

TEST_F(PrintingFixture, SaveAsTemplateFailureKeepsTheNewNameAndSaysSo)
{
    DesignWindow& design = openExample();
    const QString path = dir.filePath("no-such-folder/T.cct");
    answer = [&](QDialog& d) {
        qobject_cast<SaveAsTemplateDialog*>(&d)->fileChosen(path);
        return int(QDialog::Accepted);
    };
    trigger("SaveAsTemplateMI");
    EXPECT_EQ(messages.texts(), QStringList{designFileResultText(DesignFileResult::SaveError, false)});
    EXPECT_EQ(design.document().fileName(), path);
}

TEST_F(PrintingFixture, CancelledDialogsChangeNothing)
{
    DesignWindow& design = openExample();
    const QString before = design.document().fileName();
    for (const char* command : {"SaveAsTemplateMI", "SaveAsGraphicMI", "PrintMI", "PrintPreviewMI"})
        trigger(command);
    EXPECT_EQ(dialogsRun.size(), 4u);
    EXPECT_EQ(design.document().fileName(), before);
    EXPECT_FALSE(design.document().isModified());
    EXPECT_TRUE(messages.texts().isEmpty());
}
