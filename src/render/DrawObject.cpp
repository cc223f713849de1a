#include "render/DrawObject.h"

#include "render/BarCode.h"
#include "render/FieldSource.h"
#include "render/Shapes.h"
#include "render/TextRender.h"
#include "model/CounterCode.h"
#include "model/DesignObject.h"
#include "gdi/Canvas.h"
#include "render/RenderMath.h"

namespace {

QString personalDataText(const QString& code)
{
    const qsizetype length = code.size();
    if (length >= 8 && code[7] == '=')
        return code.mid(8, std::max<qsizetype>(0, length - 2 - 8));
    return code.mid(2, std::max<qsizetype>(0, length - 4));
}

QString fieldValue(const QString& code, const ElementContext& context)
{
    FieldSource* reader = context.reader;
    if (!reader || !reader->active())
        return code;
    const QString fieldSpec = code.mid(2, std::max<qsizetype>(0, code.size() - 4));
    if (reader->gotoRecord(context.record) >= 0)
        return reader->fieldValue(fieldSpec);
    if (context.cycle) {
        const int32_t count = reader->recordCount();
        if (count >= 1 && reader->gotoRecord(context.record % count) >= 0)
            return reader->fieldValue(fieldSpec);
    }
    return QString();
}

void drawText(Canvas& canvas, const DesignObject& object, const ElementContext& context)
{
    canvas.setFont(object.font);
    const QString text = resolveElementText(object, context);
    const unsigned justification = object.style >= 0 && object.style <= 2 ? unsigned(object.style) : 0u;
    drawStyledText(canvas, object.rect(), text,
                   {.textStyle = object.textStyle,
                    .rotation = object.rotation,
                    .justification = justification | TextFormat::NoClip,
                    .textColor = colorFromRef(object.foreColor),
                    .shadowX = object.shadowX,
                    .shadowY = object.shadowY,
                    .shadowColor = colorFromRef(object.backColor)});
}

} // namespace

QString resolveElementText(const DesignObject& object, const ElementContext& context)
{
    const QStringList& lines = object.lines;
    if (lines.isEmpty())
        return QString();
    if (lines.size() >= 2) {
        const int32_t index = context.element - 1;
        return index >= 0 && index < lines.size() ? lines[index] : QString();
    }
    const QString& entry = lines.front();
    if (!entry.startsWith(QLatin1String("{-")) || !entry.endsWith(QLatin1String("-}")) || entry.size() < 3)
        return entry;
    if (entry[2] == '_')
        return CounterCode::parse(entry).valueText(context.element);
    if (entry.mid(2, 4) == QLatin1String("USER"))
        return personalDataText(entry);
    return fieldValue(entry, context);
}

QString resolveElementText(const DesignObject& object, int32_t element, int32_t record, FieldSource* reader,
                           bool cycle)
{
    return resolveElementText(object, ElementContext{element, record, reader, cycle});
}

void drawDesignObject(Canvas& canvas, const DesignObject& object, const ElementContext& context)
{
    switch (object.kind) {
    case ObjectKind::Text: drawText(canvas, object, context); break;
    case ObjectKind::Line:
    case ObjectKind::Box:
    case ObjectKind::RoundBox:
    case ObjectKind::Ellipse: drawShape(canvas, object.rect(), object); break;
    default: break;
    }
}
