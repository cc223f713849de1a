#include "ui/wizard/WizardPreview.h"

#include <QPainter>

#include "render/RegionRender.h"
#include "ui/wizard/DesignWizardModel.h"

WizardPreview::WizardPreview(const DesignWizardModel& model, QWidget* parent) : QWidget(parent), m_model(model)
{
    setObjectName(QStringLiteral("PreviewPanel"));
    setMinimumSize(sizeHint());
}

void WizardPreview::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Dark));
    if (!m_model.previewReady())
        return;
    const QSize card = cardPixelSize(m_model.previewCard(), m_model.previewZoom());
    const QPoint at((width() - card.width()) / 2, (height() - card.height()) / 2);
    // A soft shadow under the card, as a sheet lying on the desk.
    p.fillRect(QRect(at + QPoint(4, 4), card), QColor(0, 0, 0, 60));
    p.translate(at);
    p.setClipRect(QRect(QPoint(0, 0), card));
    // The card is drawn in design units at the zoom that fits it in.
    p.setTransform(zoomTransform(m_model.previewZoom()), true);
    CardPaintOptions options = exportPaintOptions();
    paintCardOn(p, m_model.previewCard(), options);
}
