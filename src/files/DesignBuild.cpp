#include "files/DesignBuild.h"

#include <array>
#include <utility>

#include "files/DesignFile.h"
#include "files/DesignJsonShape.h"
#include "model/Card.h"
#include "model/DesignObject.h"
#include "model/ObjectManager.h"

namespace {

// A region's records must fit the int32 sizes of its block.
constexpr qsizetype kMaxRegionDataSize = 256ll * 1024 * 1024;

char objectKind(const JsonIn& in)
{
    const QString text = in.string();
    const char kind = text.size() == 1 && text[0].unicode() < 0x80 ? char(text[0].unicode()) : 0;
    if (!ObjectKind::isKnown(kind))
        in.fail(QStringLiteral("unknown object kind \"%1\" (T, G, L, B, R or C)").arg(text));
    return kind;
}

QStringList textLines(const JsonIn& in, qsizetype maxCount)
{
    QStringList lines;
    const qsizetype count = in.arraySize(maxCount);
    for (qsizetype i = 0; i < count; ++i)
        lines << in.at(i).string();
    return lines;
}

// Appends the object's record to the region's records.
void appendObject(const JsonIn& in, RegionSlot& slot)
{
    const char kind = objectKind(in.member("kind"));
    DesignObject data(kind);
    readJsonFields<DesignObject>(in, DesignJson::objectFields(), data);
    if (kind == ObjectKind::Graphic) {
        const JsonIn picture = in.member("picture");
        if (!picture.isNull())
            data.picture = DesignJson::readPicture(picture);
    } else if (kind == ObjectKind::Text) {
        data.font = DesignJson::readFont(in.member("font"));
        data.lines = textLines(in.member("lines"), kMaxRegionDataSize);
    }
    data.saveToRecord(slot.data);
    if (slot.data.size() > kMaxRegionDataSize)
        in.fail(QStringLiteral("the region's objects exceed %1 bytes").arg(kMaxRegionDataSize));
    ++slot.objectCount;
    slot.dataSize = int32_t(slot.data.size());
}

void readRegion(const JsonIn& in, ObjectManager& manager, std::array<bool, DesignJson::kMaxRegions>& given)
{
    const int side = int(in.member("side").integer(0, ObjectManager::kSides - 1));
    const int panel = int(in.member("panel").integer(0, ObjectManager::kPanels - 1));
    if (std::exchange(given[size_t(side * ObjectManager::kPanels + panel)], true))
        in.fail(QStringLiteral("side %1 panel %2 is given twice").arg(side).arg(panel));
    RegionSlot& slot = manager.slot(side, panel);
    const JsonIn margins = in.member("margins");
    if (margins.arraySize(4) != 4)
        margins.fail(QStringLiteral("expected four margins (left, right, top, bottom)"));
    for (int i = 0; i < 4; ++i)
        slot.margins[size_t(i)] = int32_t(margins.at(i).integer(INT32_MIN, INT32_MAX));
    const JsonIn background = in.member("background_picture");
    if (!background.isNull())
        slot.background = DesignJson::readPicture(background);
    const JsonIn objects = in.member("objects");
    const qsizetype count = objects.arraySize(kMaxRegionDataSize / ObjectRecordLayout::kFixedSize);
    for (qsizetype i = 0; i < count; ++i)
        appendObject(objects.at(i), slot);
}

void readHeader(const JsonIn& in, ObjectManager& manager)
{
    in.member("version").integer(0, kDesignFileVersion);
    const JsonIn signature = in.member("signature");
    bool isNumber = false;
    const uint32_t value = signature.string().toUInt(&isNumber, 16);
    if (!isNumber || (value >> 16) != (kDesignFileSignature >> 16))
        signature.fail(QStringLiteral("expected a design file signature such as \"0x%1\"")
                           .arg(QString::number(kDesignFileSignature, 16).toUpper()));
    const QByteArray password = in.member("password_bytes").hexBytes(ObjectManager::kPasswordSize);
    std::array<uint8_t, ObjectManager::kPasswordSize> bytes{};
    std::copy(password.begin(), password.end(), bytes.begin());
    manager.setPasswordBytes(bytes);
}

QString linkedDatabase(const JsonIn& in)
{
    const QString path = in.string();
    if (path.toUtf8().size() > kLinkedPathSize - 1)
        in.fail(QStringLiteral("longer than %1 bytes").arg(kLinkedPathSize - 1));
    return path;
}

QByteArray buildDesign(const JsonIn& top)
{
    Card surface;
    ObjectManager manager(surface);
    readHeader(top, manager);
    const int32_t zoom = int32_t(top.member("zoom").integer(1, 1000));
    const QString linked = linkedDatabase(top.member("linked_database"));
    const JsonIn layoutIn = top.member("layout");
    const LayoutRecord layout = DesignJson::readLayout(layoutIn);
    // A file whose regions break the limits could not be opened again.
    if (!layout.regionSizeInRange())
        layoutIn.fail(QStringLiteral("the element size lies outside the limits of a region"));
    const JsonIn regions = top.member("regions");
    const qsizetype count = regions.arraySize(DesignJson::kMaxRegions);
    std::array<bool, DesignJson::kMaxRegions> given{};
    for (qsizetype i = 0; i < count; ++i)
        readRegion(regions.at(i), manager, given);
    return buildDesignFile(manager, layout, linked, zoom);
}

} // namespace

DesignBuildResult buildDesignFromJson(const QByteArray& json)
{
    try {
        return {buildDesign(JsonIn::parseObject(json)), {}};
    } catch (const JsonProblem& problem) {
        return {{}, problem.message()};
    }
}
