#pragma once
// The 122-byte description of a label or card stock, kept in layout files and
// at offset 528 of every design file. Reserved bytes are carried unchanged.

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

class ByteReader;
class ByteWriter;

struct LayoutRecord {
    static constexpr int kSize = 122;
    static constexpr int kNameSize = 50;

    QByteArray name;  // 8-bit (Windows-1252), at most 49 bytes
    int32_t rows = 1;
    int32_t columns = 1;
    int32_t elementWidth = 0;
    int32_t elementHeight = 0;
    int32_t topMargin = 0;
    int32_t leftMargin = 0;
    int32_t columnSpace = 0;
    int32_t rowSpace = 0;
    std::array<uint8_t, 8> reserved82{};
    uint8_t foldType = 0;
    uint8_t backPrintable = 0;
    uint8_t paperType = 0;
    uint8_t wizardType = 0;
    uint8_t unit = 0;
    uint8_t stockType = 0;
    std::array<uint8_t, 2> reserved96{};
    int32_t paperLength = 0;
    int32_t paperWidth = 0;
    std::array<uint8_t, 14> reserved106{};
    uint16_t reserved120 = 0;
    // Bytes of the name field after its NUL, kept so an untouched record writes back as read.
    std::array<uint8_t, kNameSize> nameField{};

    QString displayName() const;  // the whole name as text
    void setName(const QString& text);

    void read(ByteReader& in);
    void write(ByteWriter& out) const;
    QByteArray toBytes() const;
    static LayoutRecord fromBytes(QByteArrayView bytes);  // short input is zero-filled

    // rows × columns; 0 for a grid without cells, and never wrapped round
    // (a damaged record may hold any counts).
    int32_t elementsPerSheet() const;
    // Region size in design units (sheet side 0), as the design surface is sized.
    void regionSize(int32_t* width, int32_t* height) const;
    // Every region within the size limits (see Folds.h); a design whose
    // layout breaks them is refused before anything is sized by them.
    bool regionSizeInRange() const;
    // Top-left of element (row, column) from the paper's top-left, in the record's own unit.
    void elementOrigin(int32_t row, int32_t column, int32_t* x, int32_t* y) const;
    // Paper size in design units; "<<None>>" gives A4 or Letter by the unit option.
    void paperSize(bool metricDisplay, int32_t* width, int32_t* height) const;
    void swapOrientation();

    bool operator==(const LayoutRecord& other) const { return toBytes() == other.toBytes(); }
};

// The common address stock: 30 labels of 1 × 2 5/8 in on a Letter sheet,
// 3 across and 10 down. New designs start on it when no layout file offers one.
LayoutRecord thirtyUpAddressLayout();

// Shown name and note of a layout name: "Name<>Note"; without "<>" the note is
// rows × columns followed by " Per Sheet".
QString layoutShownName(const LayoutRecord& record);
QString layoutNote(const LayoutRecord& record);
// Headings and separators cannot be chosen and have no preview.
bool layoutSelectable(const LayoutRecord& record);
