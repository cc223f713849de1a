#include "render/Shapes.h"

#include "model/DesignObject.h"
#include "gdi/Canvas.h"
#include "render/RenderMath.h"

namespace {

enum class ShapeStyle { Normal = 0, Filled = 1, Shadow = 2 };

void drawPrimitive(Canvas& canvas, char kind, int left, int top, int right, int bottom)
{
    if (kind == ObjectKind::Box)
        canvas.rectangle(left, top, right, bottom);
    else if (kind == ObjectKind::RoundBox)
        canvas.roundRect(left, top, right, bottom, kRoundBoxCorner, kRoundBoxCorner);
    else
        canvas.ellipse(left, top, right, bottom);
}

void drawLine(Canvas& canvas, const QRect& frame, int lineType)
{
    const int l = frame.left(), t = frame.top(), w = frame.width(), h = frame.height();
    switch (lineType) {
    case 0: canvas.moveTo(l, t); canvas.lineTo(l + w, t); break;
    case 1: canvas.moveTo(l, t); canvas.lineTo(l, t + h); break;
    case 2: canvas.moveTo(l, t + h); canvas.lineTo(l + w, t); break;
    case 3: canvas.moveTo(l, t); canvas.lineTo(l + w, t + h); break;
    default: break;
    }
}

void drawClosedShape(Canvas& canvas, const QRect& frame, const DesignObject& object, int penWidth)
{
    const int l = frame.left(), t = frame.top(), w = frame.width(), h = frame.height();
    const QColor fore = colorFromRef(object.foreColor);
    const QColor back = colorFromRef(object.backColor);
    switch (ShapeStyle(object.style)) {
    case ShapeStyle::Normal:
        canvas.setPen({fore, penWidth, CanvasPen::Style::Solid});
        canvas.setBrush({back, CanvasBrush::Style::Null});
        drawPrimitive(canvas, object.kind, l, t, l + w, t + h);
        break;
    case ShapeStyle::Filled:
        canvas.setPen({fore, penWidth, CanvasPen::Style::Solid});
        canvas.setBrush({back, CanvasBrush::Style::Solid});
        drawPrimitive(canvas, object.kind, l, t, l + w, t + h);
        break;
    case ShapeStyle::Shadow: {
        const int dx = w / 7, dy = h / 7;
        canvas.setPen({Qt::black, penWidth, CanvasPen::Style::Solid});
        canvas.setBrush({fore, CanvasBrush::Style::Solid});
        drawPrimitive(canvas, object.kind, l + dx, t + dy, l + w, t + h);
        canvas.setBrush({back, CanvasBrush::Style::Solid});
        drawPrimitive(canvas, object.kind, l, t, l + w - dx, t + h - dy);
        break;
    }
    default: {
        // An unknown style keeps whatever fill style the canvas has.
        CanvasBrush brush = canvas.brush();
        brush.color = back;
        canvas.setPen({fore, penWidth, CanvasPen::Style::Solid});
        canvas.setBrush(brush);
        drawPrimitive(canvas, object.kind, l, t, l + w, t + h);
        break;
    }
    }
}

} // namespace

void drawShape(Canvas& canvas, const QRect& frame, const DesignObject& object)
{
    const int penWidth = std::max(0, object.lineSize);
    switch (object.kind) {
    case ObjectKind::Line:
        canvas.setPen({colorFromRef(object.foreColor), penWidth, CanvasPen::Style::Solid});
        drawLine(canvas, frame, object.lineType);
        break;
    case ObjectKind::Box:
    case ObjectKind::RoundBox:
    case ObjectKind::Ellipse: drawClosedShape(canvas, frame, object, penWidth); break;
    default: break;
    }
}
