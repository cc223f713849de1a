#include "ui/pictures/PictureFileDialog.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>

#include "model/Options.h"
#include "render/DrawPicture.h"
#include "render/PictureFiles.h"
#include "ui/pictures/PictureTexts.h"

namespace {

constexpr QSize kPreviewSize{160, 160};

// The highlighted file loaded by the editor's own rules, stretched over white.
QPixmap previewOf(const QString& path)
{
    QPixmap pixmap(kPreviewSize);
    pixmap.fill(Qt::white);
    const Picture picture = loadPictureFile(path, Options::current().reduceColor);
    if (!picture.isEmpty()) {
        QPainter painter(&pixmap);
        drawPicture(painter, picture, QRect(QPoint(0, 0), kPreviewSize));
    }
    return pixmap;
}

} // namespace

QString choosePictureFile(QWidget* parent, const QString& folder)
{
    QFileDialog dialog(parent, QString(), folder, PictureTexts::loadFilter());
    // Our own dialog, so the preview pane can sit beside the file list.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    auto* preview = new QLabel(&dialog);
    preview->setObjectName(QStringLiteral("PreviewPane"));
    preview->setFixedSize(kPreviewSize);
    preview->setFrameShape(QFrame::StyledPanel);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(preview, 1, grid->columnCount(), 2, 1);
    QObject::connect(&dialog, &QFileDialog::currentChanged, preview,
                     [preview](const QString& path) { preview->setPixmap(previewOf(path)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

QString choosePictureSaveFile(QWidget* parent, const QString& folder, const QString& suffix, const QString& filter)
{
    QFileDialog dialog(parent, QString(), folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix.toLower());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}
