#include "files/DesignInfo.h"

#include "files/DesignFile.h"
#include "model/Folds.h"
#include "model/Card.h"
#include "model/ObjectData.h"
#include "model/ObjectManager.h"
#include "base/JsonWriter.h"

namespace {

QString captionForSlot(uint32_t foldType, int side, int panel)
{
    const QStringList captions = regionCaptions(foldType);
    for (int index = 0; index < captions.size(); ++index) {
        int s = -1, p = -1;
        regionSlotFor(foldType, index, &s, &p);
        if (s == side && p == panel)
            return captions[index];
    }
    return {};
}

QByteArray fontJson(const LogFontA& font)
{
    return JsonObject()
        .add("face", font.face())
        .add("height", font.height)
        .add("weight", font.weight)
        .add("italic", font.italic != 0)
        .add("underline", font.underline != 0)
        .add("strikeout", font.strikeOut != 0)
        .toJson();
}

QByteArray objectJson(const ObjectControl& control)
{
    const ObjectData& d = *control.data();
    JsonObject o;
    o.add("name", control.name)
        .add("kind", QString(QChar(d.kind)))
        .add("left", control.left)
        .add("top", control.top)
        .add("width", control.width)
        .add("height", control.height)
        .add("flags", d.flags)
        .add("style", d.style)
        .add("fore_color", d.foreColor)
        .add("back_color", d.backColor)
        .add("line_size", d.lineSize)
        .add("spare", d.spare)
        .add("line_type", d.lineType)
        .add("text_style", d.textStyle)
        .add("shadow_x", int32_t(d.shadowX))
        .add("shadow_y", int32_t(d.shadowY))
        .add("rotation", d.rotation);
    if (d.kind == ObjectKind::Graphic) {
        const Picture& p = control.picture;
        o.raw("picture", p.isEmpty() ? Json::null()
                                     : JsonObject()
                                           .add("kind", Picture::kindName(p.kind()))
                                           .add("width", p.width())
                                           .add("height", p.height())
                                           .toJson());
    } else if (d.kind == ObjectKind::Text) {
        o.raw("font", fontJson(d.font));
        o.raw("lines", Json::stringArray(d.lines));
    }
    return o.toJson();
}

} // namespace

QByteArray layoutRecordJson(const LayoutRecord& l)
{
    return JsonObject()
        .add("name", l.displayName())
        .add("rows", l.rows)
        .add("columns", l.columns)
        .add("element_width", l.elementWidth)
        .add("element_height", l.elementHeight)
        .add("top_margin", l.topMargin)
        .add("left_margin", l.leftMargin)
        .add("column_space", l.columnSpace)
        .add("row_space", l.rowSpace)
        .add("fold_type", int32_t(l.foldType))
        .add("back_printable", int32_t(l.backPrintable))
        .add("paper_type", int32_t(l.paperType))
        .add("wizard_type", int32_t(l.wizardType))
        .add("unit", int32_t(l.unit))
        .add("stock_type", int32_t(l.stockType))
        .add("paper_length", l.paperLength)
        .add("paper_width", l.paperWidth)
        .toJson();
}

int32_t describeDesignFile(const QString& fileName, QByteArray& json)
{
    Card surface;
    ObjectManager manager(surface);
    LayoutRecord layout;
    QString linked;
    int32_t zoom = 100;
    DesignFileInfo info;
    const int32_t result = readDesignFile(manager, fileName, layout, linked, zoom, {}, &info);
    if (result != DesignFileResult::Success)
        return result;

    int32_t regionWidth = 0, regionHeight = 0;
    layout.regionSize(&regionWidth, &regionHeight);
    JsonArray regions;
    for (const auto& [side, panel] : info.blockSlots) {
        // Load each block at zoom 100 so pixels are design units.
        manager.currentSide = manager.currentPanel = -1;
        manager.changeRegion(-1, -1, side, panel, 100);
        JsonArray objects;
        for (const auto& control : surface.controls())
            if (control->data())
                objects.raw(objectJson(*control));
        const RegionSlot& slot = manager.slot(side, panel);
        regions.raw(JsonObject()
                        .add("side", side)
                        .add("panel", panel)
                        .add("caption", captionForSlot(layout.foldType, side, panel))
                        .raw("margins", '[' + Json::number(slot.margins[0]) + ',' + Json::number(slot.margins[1]) +
                                            ',' + Json::number(slot.margins[2]) + ',' +
                                            Json::number(slot.margins[3]) + ']')
                        .add("background", Picture::kindName(slot.background.kind()))
                        .raw("objects", objects.toJson())
                        .toJson());
    }

    char signature[16];
    std::snprintf(signature, sizeof signature, "0x%08X", info.signature);
    json = JsonObject()
               .add("version", info.version)
               .add("signature", signature)
               .add("zoom", zoom)
               .add("password_set", manager.hasPassword())
               .add("linked_database", linked)
               .raw("layout", layoutRecordJson(layout))
               .raw("region_size", JsonObject().add("width", regionWidth).add("height", regionHeight).toJson())
               .raw("regions", regions.toJson())
               .toJson();
    return result;
}
