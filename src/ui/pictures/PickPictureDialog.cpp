#include "ui/pictures/PickPictureDialog.h"

#include <QDialogButtonBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMimeData>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/Options.h"
#include "system/AppPaths.h"
#include "system/Messages.h"
#include "ui/pictures/PictureFileDialog.h"
#include "ui/pictures/PicturePreview.h"
#include "ui/pictures/PictureTexts.h"
#include "ui/pictures/ScanDialogs.h"
#include "ui/shell/DialogParts.h"
#include "ui/shell/FamilyServices.h"

namespace T = PictureTexts;

PickPictureDialog::PickPictureDialog(const PictureEditor::Setup& setup, const Picture& initial, QWidget* parent)
    : QDialog(parent), m_editor(std::make_unique<PictureEditor>(setup, initial))
{
    setObjectName(QStringLiteral("PickPicForm"));
    setWindowTitle(T::caption());
    setAcceptDrops(true);
    chooseLoadFile = [this](const QString& folder) { return choosePictureFile(this, folder); };
    chooseSaveFile = [this](const QString& suffix, const QString& filter) {
        return choosePictureSaveFile(this, AppPaths::programFolder() + QStringLiteral("/Background"), suffix, filter);
    };
    acquireImage = [](QWidget* owner) { return scanPicture(owner); };

    m_preview = new PicturePreview(*m_editor, this);
    auto* tools = new QGridLayout;
    tools->addWidget(addButton("MirrorHorzBtn", T::mirrorHorizontal(), &PickPictureDialog::mirrorHorizontalClicked), 0, 0);
    tools->addWidget(addButton("RotateBtn", T::rotate(), &PickPictureDialog::rotateClicked), 0, 1);
    tools->addWidget(addButton("MirrorVertBtn", T::mirrorVertical(), &PickPictureDialog::mirrorVerticalClicked), 1, 0);
    tools->addWidget(addButton("CropBtn", T::crop(), &PickPictureDialog::cropClicked), 1, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(m_preview, 0, Qt::AlignHCenter);
    left->addLayout(tools);

    auto* right = new QVBoxLayout;
    right->addWidget(addButton("LoadBtn", T::load(), &PickPictureDialog::loadClicked));
    right->addWidget(addButton("SaveBtn", T::save(), &PickPictureDialog::saveClicked));
    right->addWidget(addButton("AcquireBtn", T::acquire(), &PickPictureDialog::acquireClicked));
    right->addWidget(addButton("ClearBtn", T::clear(), &PickPictureDialog::clearClicked));
    right->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(okCancelHelpButtons(this));
    refresh();
}

PickPictureDialog::~PickPictureDialog() = default;

QPushButton* PickPictureDialog::addButton(const char* objectName, const QString& caption,
                                          void (PickPictureDialog::*handler)())
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(objectName));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, handler);
    return button;
}

QPushButton* PickPictureDialog::button(const char* objectName) const
{
    return findChild<QPushButton*>(QLatin1String(objectName));
}

void PickPictureDialog::refresh()
{
    button("SaveBtn")->setEnabled(m_editor->canSave());
    button("ClearBtn")->setEnabled(m_editor->canClear());
    button("ClearBtn")->setVisible(m_editor->clearShown());
    button("AcquireBtn")->setEnabled(m_editor->canAcquire());
    for (const char* name : {"MirrorHorzBtn", "RotateBtn", "MirrorVertBtn", "CropBtn"})
        button(name)->setEnabled(m_editor->bitmapToolsEnabled());
    if (!m_editor->bitmapToolsEnabled())
        m_editor->cropFrame().clear();
    m_preview->update();
}

void PickPictureDialog::loadClicked()
{
    const QString path = chooseLoadFile ? chooseLoadFile(m_editor->setup().startFolder) : QString();
    if (path.isEmpty())
        return;
    m_editor->load(path);
    refresh();
}

void PickPictureDialog::saveClicked()
{
    if (!m_editor->canSave() || !chooseSaveFile)
        return;
    const QString path = chooseSaveFile(m_editor->saveSuffix(), m_editor->saveFilter());
    if (path.isEmpty())
        return;
    QString why;
    if (!m_editor->save(path, &why))
        Messages::error(T::saveFailed().arg(path, why));
}

void PickPictureDialog::acquireClicked()
{
    if (!m_editor->canAcquire() || !acquireImage)
        return;
    if (const auto image = acquireImage(this))
        m_editor->acquired(*image);
    refresh();
}

void PickPictureDialog::clearClicked()
{
    m_editor->clear();
    refresh();
}

void PickPictureDialog::runBitmapTool(bool (PictureEditor::*tool)())
{
    (m_editor.get()->*tool)();
    refresh();
}

void PickPictureDialog::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void PickPictureDialog::dropEvent(QDropEvent* event)
{
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    if (m_editor->drop(paths))
        refresh();
    event->acceptProposedAction();
}

std::optional<Picture> pickPicture(QWidget* parent, const Picture& current, const QString& folder,
                                   bool clearingAllowed)
{
    PictureEditor::Setup setup;
    setup.clearingAllowed = clearingAllowed;
    setup.reduceColors = Options::current().reduceColor;
    setup.scannerAvailable = FamilyServices::of(parent).hasScanner();
    setup.startFolder = folder;
    PickPictureDialog dialog(setup, current, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.picture();
}
