#include "ui/shell/FamilyServices.h"

#include <QFileDialog>

#include "model/Options.h"
#include "render/PictureFiles.h"
#include "ui/shell/MainWindow.h"

std::optional<Picture> FamilyServices::choosePictureOrFile(QWidget* parent, const Picture& current) const
{
    if (choosePicture)
        return choosePicture(parent, current);
    const QString path = QFileDialog::getOpenFileName(parent, QString(), Options::current().graphics);
    if (path.isEmpty())
        return std::nullopt;
    Picture picture = loadPictureFile(path, Options::current().reduceColor);
    if (picture.isEmpty())
        return std::nullopt;
    return picture;
}

const FamilyServices& FamilyServices::of(const QWidget* widget)
{
    for (const QObject* object = widget; object; object = object->parent())
        if (const auto* window = qobject_cast<const MainWindow*>(object))
            return window->services();
    static const FamilyServices none;
    return none;
}
