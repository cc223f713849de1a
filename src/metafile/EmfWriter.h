#pragma once
// A paint device whose painter writes enhanced-metafile records: lines,
// rectangles, round rectangles, ellipses, polygons, text (font with
// escapement) and pictures (24-bit DIB records). Paint on it with a QPainter,
// end the painter, then take the bytes.

#include <QByteArray>
#include <QPaintDevice>
#include <QSize>
#include <QString>
#include <memory>

class EmfPaintEngine;

class EmfPaintDevice : public QPaintDevice {
public:
    // size in pixels of a 96 dpi reference screen; description is written
    // into the header as "application\0description\0".
    EmfPaintDevice(QSize size, const QString& application, const QString& description);
    ~EmfPaintDevice() override;

    QPaintEngine* paintEngine() const override;
    // The complete EMF after the painter has ended; empty before.
    QByteArray emfBytes() const;
    QSize size() const { return m_size; }

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSize m_size;
    std::unique_ptr<EmfPaintEngine> m_engine;
};
