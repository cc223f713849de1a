#include "model/LayoutRecord.h"

#include "model/Folds.h"
#include "model/ModelTexts.h"
#include "model/Paper.h"
#include "model/Units.h"
#include "base/ByteStream.h"
#include "base/Cp1252.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

QString LayoutRecord::displayName() const { return fromCp1252(name); }

void LayoutRecord::setName(const QString& text)
{
    name = toCp1252(text).left(kNameSize - 1);
    nameField.fill(0);
    std::memcpy(nameField.data(), name.constData(), size_t(name.size()));
}

void LayoutRecord::read(ByteReader& in)
{
    const QByteArrayView field = in.view(kNameSize);
    nameField.fill(0);
    if (field.size() == kNameSize)
        std::memcpy(nameField.data(), field.data(), kNameSize);
    qsizetype length = 0;
    while (length < kNameSize && nameField[length] != 0)
        ++length;
    name = QByteArray(reinterpret_cast<const char*>(nameField.data()), length);
    rows = in.i32();
    columns = in.i32();
    elementWidth = in.i32();
    elementHeight = in.i32();
    topMargin = in.i32();
    leftMargin = in.i32();
    columnSpace = in.i32();
    rowSpace = in.i32();
    in.read(reserved82.data(), qsizetype(reserved82.size()));
    foldType = in.u8();
    backPrintable = in.u8();
    paperType = in.u8();
    wizardType = in.u8();
    unit = in.u8();
    stockType = in.u8();
    in.read(reserved96.data(), qsizetype(reserved96.size()));
    paperLength = in.i32();
    paperWidth = in.i32();
    in.read(reserved106.data(), qsizetype(reserved106.size()));
    reserved120 = in.u16();
}

void LayoutRecord::write(ByteWriter& out) const
{
    // Keep the bytes after the name's NUL as they were read, unless the name changed.
    std::array<uint8_t, kNameSize> field = nameField;
    qsizetype storedLength = 0;
    while (storedLength < kNameSize && field[storedLength] != 0)
        ++storedLength;
    if (QByteArrayView(reinterpret_cast<const char*>(field.data()), storedLength) != QByteArrayView(name)) {
        field.fill(0);
        std::memcpy(field.data(), name.constData(), size_t(std::min<qsizetype>(name.size(), kNameSize - 1)));
    }
    out.bytes(QByteArrayView(reinterpret_cast<const char*>(field.data()), kNameSize));
    out.i32(rows);
    out.i32(columns);
    out.i32(elementWidth);
    out.i32(elementHeight);
    out.i32(topMargin);
    out.i32(leftMargin);
    out.i32(columnSpace);
    out.i32(rowSpace);
    out.bytes(QByteArrayView(reinterpret_cast<const char*>(reserved82.data()), qsizetype(reserved82.size())));
    out.u8(foldType);
    out.u8(backPrintable);
    out.u8(paperType);
    out.u8(wizardType);
    out.u8(unit);
    out.u8(stockType);
    out.bytes(QByteArrayView(reinterpret_cast<const char*>(reserved96.data()), qsizetype(reserved96.size())));
    out.i32(paperLength);
    out.i32(paperWidth);
    out.bytes(QByteArrayView(reinterpret_cast<const char*>(reserved106.data()), qsizetype(reserved106.size())));
    out.u16(reserved120);
}

QByteArray LayoutRecord::toBytes() const
{
    QByteArray bytes;
    ByteWriter out(bytes);
    write(out);
    return bytes;
}

LayoutRecord LayoutRecord::fromBytes(QByteArrayView bytes)
{
    QByteArray padded = bytes.first(std::min<qsizetype>(bytes.size(), kSize)).toByteArray();
    padded.append(kSize - padded.size(), '\0');
    LayoutRecord record;
    ByteReader in(padded);
    record.read(in);
    return record;
}

int32_t LayoutRecord::elementsPerSheet() const
{
    if (rows <= 0 || columns <= 0)
        return 0;
    return int32_t(std::min<int64_t>(int64_t(rows) * columns, std::numeric_limits<int32_t>::max()));
}

void LayoutRecord::regionSize(int32_t* width, int32_t* height) const
{
    const RegionGeometry geometry = regionGeometry(unit, foldType, 0, elementWidth, elementHeight);
    if (width)
        *width = geometry.width;
    if (height)
        *height = geometry.height;
}

bool LayoutRecord::regionSizeInRange() const
{
    // An unknown fold type has no regions, so no size passes.
    int32_t w = 0, h = 0;
    regionSize(&w, &h);
    return regionSizeAllowed(w, h);
}

void LayoutRecord::elementOrigin(int32_t row, int32_t column, int32_t* x, int32_t* y) const
{
    if (x)
        *x = int32_t(int64_t(leftMargin) + int64_t(column) * (int64_t(elementWidth) + columnSpace));
    if (y)
        *y = int32_t(int64_t(topMargin) + int64_t(row) * (int64_t(elementHeight) + rowSpace));
}

void LayoutRecord::paperSize(bool metricDisplay, int32_t* width, int32_t* height) const
{
    int32_t w = 0, h = 0;
    if (paperType == kPaperUserDefined) {
        w = layoutToDesignUnits(unit, paperWidth);
        h = layoutToDesignUnits(unit, paperLength);
    } else if (paperType == kPaperNone) {
        paperForIndex(metricDisplay ? 4 : 0, nullptr, &w, &h);
    } else {
        paperForIndex(paperType, nullptr, &w, &h);
    }
    if (width)
        *width = w;
    if (height)
        *height = h;
}

void LayoutRecord::swapOrientation()
{
    std::swap(rows, columns);
    std::swap(elementWidth, elementHeight);
    std::swap(topMargin, leftMargin);
    std::swap(columnSpace, rowSpace);
    if (foldType >= 1 && foldType <= 8)
        foldType = uint8_t(foldType % 2 == 1 ? foldType + 1 : foldType - 1);
    if (stockType == 1 || stockType == 2)
        stockType = uint8_t(3 - stockType);
}

namespace {
qsizetype noteSeparator(const QString& name) { return name.indexOf(QStringLiteral("<>")); }
} // namespace

QString layoutShownName(const LayoutRecord& record)
{
    const QString whole = record.displayName();
    const qsizetype at = noteSeparator(whole);
    const QString shown = at >= 0 ? whole.left(at) : whole;
    return shown.startsWith(QStringLiteral(".....")) ? QString() : shown;
}

QString layoutNote(const LayoutRecord& record)
{
    const QString whole = record.displayName();
    const qsizetype at = noteSeparator(whole);
    if (at >= 0)
        return whole.mid(at + 2);
    return ModelTexts::perSheet(int64_t(record.rows) * record.columns);
}

bool layoutSelectable(const LayoutRecord& record)
{
    const QString shown = layoutShownName(record);
    return !shown.isEmpty() && !shown.startsWith(QStringLiteral("=====")) && !shown.startsWith(QStringLiteral("-----"));
}

LayoutRecord thirtyUpAddressLayout()
{
    LayoutRecord layout;
    layout.setName(QStringLiteral("Address 1 x 2 5/8 in<>30 per sheet, 3 across"));
    layout.rows = 10;
    layout.columns = 3;
    layout.elementWidth = 262;
    layout.elementHeight = 100;
    layout.topMargin = 50;
    layout.leftMargin = 19;
    layout.columnSpace = 12;
    layout.paperType = 0;
    layout.wizardType = 1;
    return layout;
}
