#include "files/DesignInfo.h"

#include "files/DesignFile.h"
#include "files/DesignJsonShape.h"
#include "model/Folds.h"
#include "model/Card.h"
#include "model/DesignObject.h"
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

QByteArray objectJson(const DesignObject& d, bool withPictures)
{
    JsonObject o;
    o.add("name", d.name).add("kind", QString(QChar(d.kind)));
    writeJsonFields<DesignObject>(o, DesignJson::objectFields(), d);
    if (d.kind == ObjectKind::Graphic) {
        o.raw("picture", DesignJson::pictureJson(d.picture, withPictures));
    } else if (d.kind == ObjectKind::Text) {
        o.raw("font", DesignJson::fontJson(d.font));
        o.raw("lines", Json::stringArray(d.lines));
    }
    return o.toJson();
}

QByteArray passwordHex(const ObjectManager& manager)
{
    const auto& bytes = manager.password();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())).toHex();
}

} // namespace

QByteArray layoutRecordJson(const LayoutRecord& layout) { return DesignJson::layoutJson(layout); }

int32_t describeDesignFile(const QString& fileName, QByteArray& json, bool withPictures)
{
    Card surface;
    ObjectManager manager(surface);
    LayoutRecord layout;
    QString linked;
    int32_t zoom = 100;
    DesignFileInfo info;
    const int32_t result = readDesignFile(manager, fileName, layout, linked, zoom, &info);
    if (result != DesignFileResult::Success)
        return result;

    int32_t regionWidth = 0, regionHeight = 0;
    layout.regionSize(&regionWidth, &regionHeight);
    JsonArray regions;
    for (const auto& [side, panel] : info.blockSlots) {
        // Each block is loaded afresh, as a design window would show it
        // (names count from 0 per region); nothing is stored back.
        manager.detachLiveRegion();
        manager.showRegion({side, panel});
        JsonArray objects;
        for (const auto& object : surface.objects())
            objects.raw(objectJson(*object, withPictures));
        const RegionSlot& slot = manager.slot(side, panel);
        regions.raw(JsonObject()
                        .add("side", side)
                        .add("panel", panel)
                        .add("caption", captionForSlot(layout.foldType, side, panel))
                        .raw("margins", '[' + Json::number(slot.margins[0]) + ',' + Json::number(slot.margins[1]) +
                                            ',' + Json::number(slot.margins[2]) + ',' +
                                            Json::number(slot.margins[3]) + ']')
                        .add("background", Picture::kindName(slot.background.kind()))
                        .raw("background_picture", DesignJson::pictureJson(slot.background, withPictures))
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
               .raw("password_bytes", Json::string(QString::fromLatin1(passwordHex(manager))))
               .add("linked_database", linked)
               .raw("layout", layoutRecordJson(layout))
               .raw("region_size", JsonObject().add("width", regionWidth).add("height", regionHeight).toJson())
               .raw("regions", regions.toJson())
               .toJson();
    return result;
}
