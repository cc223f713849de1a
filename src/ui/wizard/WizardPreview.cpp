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
    const QSize card(m_model.previewCard().width(), m_model.previewCard().height());
    const QPoint at((width() - card.width()) / 2, (height() - card.height()) / 2);
    // A soft shadow under the card, as a sheet lying on the desk.
    p.fillRect(QRect(at + QPoint(4, 4), card), QColor(0, 0, 0, 60));
    p.translate(at);
    p.setClipRect(QRect(QPoint(0, 0), card));
    CardPaintOptions options = exportPaintOptions();
    paintCardOn(p, m_model.previewCard(), options);
}
