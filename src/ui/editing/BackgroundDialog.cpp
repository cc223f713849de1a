#include "ui/editing/BackgroundDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "render/DrawPicture.h"
#include "ui/editing/EditingTexts.h"
#include "ui/editing/PropertyValues.h"
#include "ui/shell/DialogParts.h"
#include "ui/shell/FamilyServices.h"

namespace T = EditingTexts;

namespace {
constexpr int kPreviewSize = 200;
}

BackgroundDialog::BackgroundDialog(const Picture& current, QWidget* parent) : QDialog(parent), m_picture(current)
{
    setObjectName(QStringLiteral("BackgroundForm"));
    setWindowTitle(T::BackgroundCaption);
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    m_preview = new QLabel(this);
    m_preview->setObjectName(QStringLiteral("BackgroundPreview"));
    m_preview->setFixedSize(kPreviewSize, kPreviewSize);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setFrameShape(QFrame::Box);
    row->addWidget(m_preview);
    auto* buttons = new QVBoxLayout;
    auto* choose = new QPushButton(T::BackgroundPicture, this);
    choose->setObjectName(QStringLiteral("PictureBtn"));
    m_clear = new QPushButton(T::BackgroundClear, this);
    m_clear->setObjectName(QStringLiteral("ClearBtn"));
    m_info = new QLabel(this);
    m_info->setObjectName(QStringLiteral("BackgroundInfo"));
    buttons->addWidget(choose);
    buttons->addWidget(m_clear);
    buttons->addWidget(m_info);
    buttons->addStretch();
    row->addLayout(buttons);
    layout->addLayout(row);
    layout->addWidget(okCancelHelpButtons(this));
    connect(choose, &QPushButton::clicked, this, &BackgroundDialog::choosePicture);
    connect(m_clear, &QPushButton::clicked, this, &BackgroundDialog::clearPicture);
    showPicture();
}

void BackgroundDialog::choosePicture()
{
    if (std::optional<Picture> chosen = FamilyServices::of(this).choosePictureOrFile(this, m_picture)) {
        m_picture = *chosen;
        showPicture();
    }
}

void BackgroundDialog::clearPicture()
{
    m_picture.clear();
    showPicture();
}

void BackgroundDialog::showPicture()
{
    m_clear->setEnabled(!m_picture.isEmpty());
    if (m_picture.isEmpty()) {
        m_preview->setPixmap(QPixmap());
        m_preview->setText(T::NoBackground);
        m_info->clear();
        return;
    }
    QSize size = m_picture.size().isEmpty() ? QSize(kPreviewSize, kPreviewSize) : m_picture.size();
    size.scale(kPreviewSize - 4, kPreviewSize - 4, Qt::KeepAspectRatio);
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    {
        QPainter painter(&pixmap);
        drawPicture(painter, m_picture, QRect(QPoint(0, 0), size));
    }
    m_preview->setPixmap(pixmap);
    m_info->setText(PropertyValues::pictureTypeText(m_picture) + QLatin1Char('\n') +
                    PropertyValues::pictureSizeText(m_picture));
}
