#pragma once
// "Pick Graphic": a thin window over PictureEditor. Load, save, acquire,
// clear, mirror, rotate and crop; files dropped on it load.

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>

#include "ui/pictures/PictureEditor.h"

class QPushButton;
class PicturePreview;

class PickPictureDialog : public QDialog {
    Q_OBJECT
public:
    PickPictureDialog(const PictureEditor::Setup& setup, const Picture& initial, QWidget* parent = nullptr);
    ~PickPictureDialog() override;

    PictureEditor& editor() { return *m_editor; }
    const Picture& picture() const { return m_editor->picture(); }
    QPushButton* button(const char* objectName) const;

    // Where file names and scanned pictures come from; tests replace them.
    std::function<QString(const QString& folder)> chooseLoadFile;
    std::function<QString(const QString& suffix, const QString& filter)> chooseSaveFile;
    std::function<std::optional<QImage>(QWidget* parent)> acquireImage;

    // Button states and the preview follow the picture.
    void refresh();

    // The button handlers.
    void loadClicked();
    void saveClicked();
    void acquireClicked();
    void clearClicked();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QPushButton* addButton(const char* objectName, const QString& caption, void (PickPictureDialog::*handler)());
    void runBitmapTool(bool (PictureEditor::*tool)());
    void mirrorHorizontalClicked() { runBitmapTool(&PictureEditor::mirrorHorizontal); }
    void mirrorVerticalClicked() { runBitmapTool(&PictureEditor::mirrorVertical); }
    void rotateClicked() { runBitmapTool(&PictureEditor::rotate); }
    void cropClicked() { runBitmapTool(&PictureEditor::crop); }

    std::unique_ptr<PictureEditor> m_editor;
    PicturePreview* m_preview = nullptr;
};

// The picture chooser the rest of the program uses (FamilyServices::choosePicture):
// the dialog in the given folder; nothing when cancelled.
std::optional<Picture> pickPicture(QWidget* parent, const Picture& current, const QString& folder,
                                   bool clearingAllowed);
