#include "files/DesignFile.h"

#include <QFile>

#include "files/FilesTexts.h"
#include "model/Folds.h"
#include "model/ObjectManager.h"
#include "base/AtomicFile.h"
#include "base/BoundedRead.h"
#include "base/ByteStream.h"
#include "base/Cp1252.h"

namespace {

constexpr qint64 kMaxDesignFileSize = 512ll * 1024 * 1024;

char backgroundKind(const Picture& picture)
{
    switch (picture.kind()) {
    case Picture::Kind::Bitmap: return 'B';
    case Picture::Kind::Metafile: return 'M';
    case Picture::Kind::Jpeg: return 'J';
    default: return ' ';
    }
}

void writeRegionBlock(ByteWriter& out, const RegionSlot& slot, int side, int panel)
{
    const char kind = backgroundKind(slot.background);
    out.u8(uint8_t(panel));
    out.u8(uint8_t(side));
    out.u8(uint8_t(kind));
    out.u8(0);
    out.i32(slot.objectCount);
    out.i32(slot.dataSize);
    out.zeros(128);
    for (int32_t m : slot.margins)
        out.i32(m);
    const QByteArray picture = kind == ' ' ? QByteArray() : slot.background.streamBytes();
    if (kind == 'J')
        out.i32(int32_t(picture.size()));
    out.bytes(picture);
    if (slot.objectCount > 0)
        out.bytes(slot.data);
}

// Reads a BMP or EMF whose own header states its length; consumes exactly that.
bool readSelfSizedPicture(ByteReader& in, char kind, Picture& picture)
{
    const QByteArrayView rest(in.current(), in.remaining());
    const qint64 length = kind == 'B' ? Picture::bmpStreamLength(rest) : Picture::emfStreamLength(rest);
    if (length <= 0 || length > in.remaining())
        return false;
    const QByteArrayView bytes = in.view(length);
    return kind == 'B' ? picture.loadBmp(bytes) : picture.loadEmf(bytes);
}

int32_t readRegionBlock(ByteReader& in, ObjectManager& manager, DesignFileInfo* info)
{
    const QByteArrayView record = in.view(kRegionRecordSize);
    if (record.size() != kRegionRecordSize)
        return DesignFileResult::LoadError;
    ByteReader r(record);
    const uint8_t panel = r.u8();
    const uint8_t side = r.u8();
    const char kind = char(r.u8());
    r.u8();
    const int32_t objectCount = r.i32();
    const int32_t dataSize = r.i32();
    if (side > 1 || panel > 3)
        return DesignFileResult::LoadError;
    if (info)
        info->blockSlots.emplace_back(side, panel);
    RegionSlot& slot = manager.slot(side, panel);
    for (int32_t& m : slot.margins)
        m = in.i32();
    if (!in.ok())
        return DesignFileResult::LoadError;
    if (kind != ' ') {
        slot.background.clear();
        if (kind == 'B' || kind == 'M') {
            if (!readSelfSizedPicture(in, kind, slot.background))
                return DesignFileResult::LoadError;
        } else if (kind == 'J') {
            const int32_t count = in.i32();
            if (in.ok() && count > 0 && count <= in.remaining())
                slot.background.loadJpeg(in.view(count));
            else
                in.skip(in.remaining());  // a short JPEG leaves the picture empty
        }
    }
    if (uint32_t(objectCount) > 0) {
        if (dataSize < 0 || objectCount < 0)
            return DesignFileResult::OutOfMemory;
        if (dataSize > in.remaining())
            return DesignFileResult::LoadError;
        slot.data = in.bytes(dataSize);
        slot.objectCount = objectCount;
        slot.dataSize = dataSize;
    }
    return DesignFileResult::Success;
}

} // namespace

bool hasDesignFileSignature(QByteArrayView bytes)
{
    if (bytes.size() < 8)
        return false;
    ByteReader in(bytes);
    in.skip(4);
    // The low half of the signature is not checked: it differs between versions.
    return (in.u32() >> 16) == (kDesignFileSignature >> 16);
}

QString designFileResultText(int32_t code, bool metricUnits)
{
    switch (code) {
    case DesignFileResult::LoadError: return FilesTexts::LoadError;
    case DesignFileResult::BadVersion: return FilesTexts::BadVersion;
    case DesignFileResult::SaveError: return FilesTexts::SaveError;
    case DesignFileResult::OutOfMemory: return FilesTexts::OutOfMemory;
    case DesignFileResult::RegionSize: return regionSizeMessage(metricUnits);
    default: return {};
    }
}

QByteArray buildDesignFile(ObjectManager& manager, const LayoutRecord& layout, const QString& linkedDatabasePath,
                           int32_t zoom)
{
    manager.storeLiveRegion();
    int32_t regionCount = 0;
    for (int side = 0; side < ObjectManager::kSides; ++side)
        for (int panel = 0; panel < ObjectManager::kPanels; ++panel)
            regionCount += manager.slot(side, panel).isEmpty() ? 0 : 1;

    QByteArray bytes;
    ByteWriter out(bytes);
    out.i32(kDesignFileVersion);
    out.u32(kDesignFileSignature);
    out.i32(zoom);
    out.i32(regionCount);
    for (uint8_t b : manager.password())
        out.u8(b);
    out.zeros(248);
    // A longer path does not fit the field; it is cut at 255 bytes.
    out.fixedString(linkedDatabasePath.toUtf8(), kLinkedPathSize);
    layout.write(out);
    for (int side = 0; side < ObjectManager::kSides; ++side)
        for (int panel = 0; panel < ObjectManager::kPanels; ++panel)
            if (!manager.slot(side, panel).isEmpty())
                writeRegionBlock(out, manager.slot(side, panel), side, panel);
    return bytes;
}

bool writeDesignFile(ObjectManager& manager, const QString& fileName, const LayoutRecord& layout,
                     const QString& linkedDatabasePath, int32_t zoom, QString* error)
{
    if (!manager.storeLiveRegion()) {
        if (error)
            *error = manager.errorString();
        return false;
    }
    return writeFileAtomically(fileName, buildDesignFile(manager, layout, linkedDatabasePath, zoom), error);
}

int32_t parseDesignFile(ObjectManager& manager, QByteArrayView bytes, LayoutRecord& layout,
                        QString& linkedDatabasePath, int32_t& zoom, DesignFileInfo* info)
{
    ByteReader in(bytes);
    const QByteArrayView header = in.view(kDesignHeaderSize);
    if (header.size() != kDesignHeaderSize)
        return DesignFileResult::BadVersion;
    ByteReader h(header);
    const int32_t version = h.i32();
    const uint32_t signature = h.u32();
    const int32_t storedZoom = h.i32();
    const int32_t regionCount = h.i32();
    if (uint32_t(version) > uint32_t(kDesignFileVersion) || !hasDesignFileSignature(header))
        return DesignFileResult::BadVersion;
    if (info)
        *info = {version, signature, storedZoom, regionCount, {}};
    zoom = storedZoom;
    std::array<uint8_t, ObjectManager::kPasswordSize> password{};
    h.read(password.data(), ObjectManager::kPasswordSize);
    manager.setPasswordBytes(password);
    h.seek(kLinkedPathOffset);
    linkedDatabasePath = pathFromBytes(h.fixedString(kLinkedPathSize));

    const QByteArrayView layoutBytes = in.view(LayoutRecord::kSize);
    if (layoutBytes.size() != LayoutRecord::kSize)
        return DesignFileResult::LoadError;
    layout = LayoutRecord::fromBytes(layoutBytes);
    // Everything after this is sized by the regions: pictures of the card,
    // printed cells, exported images.
    if (!layout.regionSizeInRange())
        return DesignFileResult::RegionSize;
    // Every non-empty slot is written once, so more blocks than slots can only
    // repeat slots; a damaged count of millions of them made each later
    // reading of the blocks (the info command) repeat the work as often.
    if (regionCount > ObjectManager::kSides * ObjectManager::kPanels)
        return DesignFileResult::LoadError;

    int32_t regionWidth = 0, regionHeight = 0;
    layout.regionSize(&regionWidth, &regionHeight);
    manager.card().setRegionSize(regionWidth, regionHeight);

    int32_t result = DesignFileResult::Success;
    for (int32_t read = 0; result == DesignFileResult::Success && read < regionCount; ++read)
        result = readRegionBlock(in, manager, info);
    if (result != DesignFileResult::Success)
        return result;

    int32_t side = 0, panel = 0;
    regionSlotFor(layout.foldType, 0, &side, &panel);
    manager.detachLiveRegion();
    manager.showRegion({side, panel});
    if (!manager.errorString().isEmpty())
        return DesignFileResult::LoadError;
    return DesignFileResult::Success;
}

int32_t readDesignFile(ObjectManager& manager, const QString& fileName, LayoutRecord& layout,
                       QString& linkedDatabasePath, int32_t& zoom, DesignFileInfo* info)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return DesignFileResult::BadVersion;
    const std::optional<QByteArray> bytes = readAtMost(file, kMaxDesignFileSize);
    if (!bytes)
        return DesignFileResult::OutOfMemory;
    return parseDesignFile(manager, *bytes, layout, linkedDatabasePath, zoom, info);
}
