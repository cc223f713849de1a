#include "pdb/PersonalTable.h"

#include <QFileInfo>
#include <QtEndian>
#include <cstring>

#include "pdb/PdbTexts.h"
#include "base/AtomicFile.h"
#include "base/ByteStream.h"
#include "base/Cp1252.h"

namespace {
// Larger records than this are no table of ours: refuse rather than allocate.
constexpr int64_t kMaxRecordSize = 16 * 1024 * 1024;
constexpr uint8_t kAccessByte = 0x17;

std::vector<TableField> stringFields(std::initializer_list<std::pair<const char*, int32_t>> list)
{
    std::vector<TableField> out;
    for (const auto& [name, size] : list) {
        TableField field;
        field.name = QString::fromLatin1(name);
        field.size = size;
        out.push_back(field);
    }
    return out;
}

// Fills slot sizes and offsets; the total record size, or -1 when a type is unknown.
int64_t layoutFields(std::vector<TableField>& fields)
{
    int64_t offset = TableFile::kSlotHeaderSize;
    for (TableField& field : fields) {
        const int32_t slot = TableFile::slotSizeFor(field.type, field.size);
        if (slot <= 0)
            return -1;
        field.slotSize = slot;
        field.offset = int32_t(std::min<int64_t>(offset, INT32_MAX));
        offset += slot;
    }
    return offset;
}
} // namespace

int32_t TableFile::slotSizeFor(uint8_t type, int32_t size)
{
    switch (type) {
    case TableFieldType::String:
        return size < 0 || size > kMaxRecordSize ? 0 : size + 4;
    case TableFieldType::Int16:
    case TableFieldType::Word:
    case TableFieldType::Boolean:
        return 2;
    case TableFieldType::Int32:
    case TableFieldType::Date:
    case TableFieldType::Time:
        return 4;
    case TableFieldType::Float:
    case TableFieldType::Currency:
    case TableFieldType::DateTime:
        return 8;
    default:
        return 0;
    }
}

PersonalTable::~PersonalTable()
{
    close();
}

bool PersonalTable::fail(const QString& message)
{
    m_error = message;
    return false;
}

bool PersonalTable::open()
{
    close();
    m_error.clear();
    if (!QFileInfo(tableName).isFile())
        return fail(PdbTexts::TableNotFound);
    m_file.setFileName(tableName);
    if (!m_file.open(readOnly ? QIODevice::ReadOnly : QIODevice::ReadWrite))
        return fail(m_file.errorString());
    if (!readHeader()) {
        const QString reason = m_error;
        close();
        m_error = reason;
        return false;
    }
    first();
    return true;
}

bool PersonalTable::readHeader()
{
    const qint64 fileSize = m_file.size();
    const QByteArray header = m_file.read(TableFile::kHeaderSize);
    ByteReader in(header);
    const int32_t magic = in.i32();
    if (!in.ok() || magic != TableFile::kMagic)
        return fail(PdbTexts::InvalidFileType);
    const int32_t version = in.i32();
    m_access = in.bytes(16);
    const int32_t fieldCount = in.i32();
    m_recordSize = in.i32();
    m_recordCount = in.i32();
    m_deletedCount = in.i32();
    m_freeHead = in.i32();
    m_dataStart = in.i32();
    if (!in.ok())
        return fail(PdbTexts::InvalidFileType);
    if (version > TableFile::kVersion)
        return fail(PdbTexts::InvalidFileVersion);
    if (fieldCount < 1 || int64_t(fieldCount) * TableFile::kDescriptorSize > fileSize)
        return fail(PdbTexts::InvalidFieldCount);

    const QByteArray descriptors = m_file.read(int64_t(fieldCount) * TableFile::kDescriptorSize);
    ByteReader d(descriptors);
    m_fields.clear();
    for (int32_t i = 0; i < fieldCount; ++i) {
        TableField field;
        field.name = fromCp1252(d.fixedString(TableFile::kNameSize));
        field.type = d.u8();
        (void)d.i32();  // the stored slot size; offsets follow from type and size
        field.size = d.i32();
        field.precision = d.i32();
        if (!d.ok())
            return fail(PdbTexts::InvalidFieldCount);
        if (TableFile::slotSizeFor(field.type, field.size) <= 0)
            return fail(PdbTexts::UnsupportedFieldType);
        m_fields.push_back(field);
    }
    m_fieldPositions = NamePositions(fieldNames());
    const int64_t computed = layoutFields(m_fields);
    if (computed > kMaxRecordSize)
        return fail(PdbTexts::RecordSizeMismatch);
    m_computedSize = int32_t(computed);
    const bool hasSlots = m_recordCount != 0 || m_deletedCount != 0;
    if (hasSlots && m_recordSize != m_computedSize)
        return fail(PdbTexts::RecordSizeMismatch);
    const int64_t expected = int64_t(m_dataStart) + (int64_t(m_recordCount) + m_deletedCount) * m_recordSize;
    const int64_t descriptorsEnd = TableFile::kHeaderSize + int64_t(fieldCount) * TableFile::kDescriptorSize;
    if (m_recordCount < 0 || m_deletedCount < 0 || m_dataStart < descriptorsEnd || expected != fileSize)
        return fail(PdbTexts::invalidRecordSize(m_dataStart, m_recordCount, m_recordSize, fileSize));
    if (!hasSlots)
        m_recordSize = m_computedSize;
    return true;
}

bool PersonalTable::writeHeader()
{
    QByteArray header;
    ByteWriter out(header);
    out.i32(TableFile::kMagic);
    out.i32(TableFile::kVersion);
    out.bytes(m_access.size() == 16 ? m_access : QByteArray(16, char(kAccessByte)));
    out.i32(int32_t(m_fields.size()));
    out.i32(m_recordSize);
    out.i32(m_recordCount);
    out.i32(m_deletedCount);
    out.i32(m_freeHead);
    out.i32(m_dataStart);
    return m_file.seek(0) && m_file.write(header) == header.size() && m_file.flush();
}

void PersonalTable::close()
{
    if (m_file.isOpen())
        m_file.close();
    m_fields.clear();
    m_fieldPositions.clear();
    m_recordSize = m_computedSize = m_recordCount = m_deletedCount = m_dataStart = 0;
    m_freeHead = -1;
    m_slot = -1;
    m_current.clear();
    m_buffer.clear();
    m_state = State::Browse;
}

bool PersonalTable::createTable()
{
    std::vector<TableField> fields = fieldDefs.empty() ? m_fields : fieldDefs;
    close();
    m_error.clear();
    if (fields.empty())
        return fail(PdbTexts::InvalidFieldCount);
    const int64_t recordSize = layoutFields(fields);
    if (recordSize < 0)
        return fail(PdbTexts::UnsupportedFieldType);
    if (recordSize > kMaxRecordSize)
        return fail(PdbTexts::RecordSizeMismatch);
    const int32_t dataStart = TableFile::kHeaderSize + int32_t(fields.size()) * TableFile::kDescriptorSize;
    QByteArray bytes;
    ByteWriter out(bytes);
    out.i32(TableFile::kMagic);
    out.i32(TableFile::kVersion);
    out.bytes(QByteArray(16, char(kAccessByte)));
    out.i32(int32_t(fields.size()));
    out.i32(int32_t(recordSize));
    out.i32(0);
    out.i32(0);
    out.i32(-1);
    out.i32(dataStart);
    for (const TableField& field : fields) {
        out.fixedString(toCp1252(field.name), TableFile::kNameSize);
        out.u8(field.type);
        out.i32(field.slotSize);
        out.i32(field.size);
        out.i32(field.precision);
    }
    if (!writeFileAtomically(tableName, bytes))
        return fail(PdbTexts::cannotCreateCategory(tableName));
    return true;
}

bool PersonalTable::readSlot(int64_t slot, QByteArray& bytes)
{
    if (slot < 0 || slot >= slotCount() || !m_file.seek(slotOffset(slot)))
        return false;
    bytes = m_file.read(m_recordSize);
    return bytes.size() == m_recordSize;
}

bool PersonalTable::writeSlot(int64_t slot, const QByteArray& bytes)
{
    return m_file.seek(slotOffset(slot)) && m_file.write(bytes) == bytes.size();
}

int32_t PersonalTable::slotLink(int64_t slot)
{
    if (slot < 0 || slot >= slotCount() || !m_file.seek(slotOffset(slot)))
        return 0;
    const QByteArray word = m_file.read(4);
    return word.size() == 4 ? qFromLittleEndian<int32_t>(word.constData()) : 0;
}

// Moves to the first live slot at or after from; false (and Eof) when none.
bool PersonalTable::seekLive(int64_t from)
{
    m_state = State::Browse;
    for (int64_t slot = std::max<int64_t>(from, 0); slot < slotCount(); ++slot) {
        QByteArray bytes;
        if (!readSlot(slot, bytes))
            break;
        if (qFromLittleEndian<int32_t>(bytes.constData()) == 0) {
            m_slot = slot;
            m_current = bytes;
            return true;
        }
    }
    m_slot = -1;
    m_current.clear();
    return false;
}

// A move never drops an unposted insert or edit: it is posted first, and a
// failed post keeps the table where it is.
bool PersonalTable::postPending()
{
    return m_state == State::Browse || post();
}

bool PersonalTable::first()
{
    return active() && postPending() && seekLive(0);
}

bool PersonalTable::next()
{
    return active() && postPending() && m_slot >= 0 && seekLive(m_slot + 1);
}

int PersonalTable::moveBy(int count)
{
    int moved = 0;
    while (moved < count && m_slot >= 0) {
        if (!next())
            break;
        ++moved;
    }
    return moved;
}

int PersonalTable::fieldIndex(const QString& name) const
{
    return m_fieldPositions.indexOf(name);
}

QStringList PersonalTable::fieldNames() const
{
    QStringList names;
    for (const TableField& field : m_fields)
        names << field.name;
    return names;
}

QString PersonalTable::decodeField(int index, const QByteArray& slot) const
{
    const TableField& field = m_fields[size_t(index)];
    if (int64_t(field.offset) + field.slotSize > slot.size())
        return QString();
    const char* at = slot.constData() + field.offset;
    switch (field.type) {
    case TableFieldType::String: {
        const int32_t limit = std::min(field.slotSize, field.size + 1);
        int32_t length = 0;
        while (length < limit && at[length] != '\0')
            ++length;
        return fromCp1252(QByteArrayView(at, std::min(length, field.size)));
    }
    case TableFieldType::Int16:
        return QString::number(qFromLittleEndian<int16_t>(at));
    case TableFieldType::Word:
        return QString::number(qFromLittleEndian<uint16_t>(at));
    case TableFieldType::Boolean:
        return qFromLittleEndian<uint16_t>(at) ? QStringLiteral("True") : QStringLiteral("False");
    case TableFieldType::Int32:
    case TableFieldType::Date:
    case TableFieldType::Time:
        return QString::number(qFromLittleEndian<int32_t>(at));
    default: {
        double value;
        std::memcpy(&value, at, sizeof value);  // little-endian hosts only, as the file is
        return QString::number(value);
    }
    }
}

QByteArray PersonalTable::encodeField(int index, const QString& value) const
{
    const TableField& field = m_fields[size_t(index)];
    QByteArray bytes(field.slotSize, '\0');
    char* at = bytes.data();
    switch (field.type) {
    case TableFieldType::String: {
        const QByteArray text = toCp1252(value.left(field.size));
        std::memcpy(at, text.constData(), size_t(std::min<qsizetype>(text.size(), field.size)));
        break;
    }
    case TableFieldType::Int16:
    case TableFieldType::Word:
        qToLittleEndian<uint16_t>(uint16_t(value.toInt()), at);
        break;
    case TableFieldType::Boolean:
        qToLittleEndian<uint16_t>(value.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0 ||
                                              value.toInt() != 0,
                                          at);
        break;
    case TableFieldType::Int32:
    case TableFieldType::Date:
    case TableFieldType::Time:
        qToLittleEndian<int32_t>(value.toInt(), at);
        break;
    default: {
        const double number = value.toDouble();
        std::memcpy(at, &number, sizeof number);
        break;
    }
    }
    return bytes;
}

QString PersonalTable::fieldValue(const QString& name) const
{
    const int index = fieldIndex(name);
    if (index < 0)
        return QString();
    if (m_state != State::Browse)
        return m_buffer.value(index);
    return m_slot < 0 ? QString() : decodeField(index, m_current);
}

bool PersonalTable::setFieldValue(const QString& name, const QString& value)
{
    const int index = fieldIndex(name);
    if (m_state == State::Browse || index < 0)
        return false;
    const TableField& field = m_fields[size_t(index)];
    m_buffer[index] = field.type == TableFieldType::String ? value.left(field.size) : value;
    return true;
}

bool PersonalTable::insert()
{
    if (!active())
        return false;
    if (readOnly)
        return fail(PdbTexts::ReadOnlyChange);
    m_buffer = QStringList();
    for (size_t i = 0; i < m_fields.size(); ++i)
        m_buffer << QString();
    m_state = State::Inserting;
    return true;
}

bool PersonalTable::edit()
{
    if (!active() || m_slot < 0)
        return false;
    if (readOnly)
        return fail(PdbTexts::ReadOnlyChange);
    m_buffer = QStringList();
    for (size_t i = 0; i < m_fields.size(); ++i)
        m_buffer << decodeField(int(i), m_current);
    m_state = State::Editing;
    return true;
}

QByteArray PersonalTable::encodeRecord(int32_t link) const
{
    QByteArray bytes;
    ByteWriter out(bytes);
    out.i32(link);
    out.i32(0);
    for (size_t i = 0; i < m_fields.size(); ++i)
        out.bytes(encodeField(int(i), m_buffer.value(int(i))));
    return bytes;
}

// The most recently deleted slot, unlinked from the free list; -1 when the
// list is empty or does not point at a deleted slot (then we append).
int64_t PersonalTable::takeFreeSlot()
{
    if (m_freeHead < 1 || m_freeHead > slotCount() || m_deletedCount < 1)
        return -1;
    const int64_t slot = m_freeHead - 1;
    const int32_t link = slotLink(slot);
    if (link == 0) {
        m_freeHead = -1;  // a live slot is never reused
        return -1;
    }
    m_freeHead = link > 0 && link <= slotCount() ? link : -1;
    --m_deletedCount;
    return slot;
}

bool PersonalTable::post()
{
    if (!active() || m_state == State::Browse)
        return false;
    if (readOnly)
        return fail(PdbTexts::ReadOnlyChange);
    const QByteArray record = encodeRecord(0);
    int64_t slot = m_slot;
    bool ok = true;
    if (m_state == State::Inserting) {
        if (slotCount() == 0)
            m_recordSize = m_computedSize;
        slot = takeFreeSlot();
        if (slot < 0) {
            slot = slotCount();
            ok = writeSlot(slot, record);
            ++m_recordCount;
            ok = ok && writeHeader();
        } else {
            ++m_recordCount;
            ok = writeHeader() && writeSlot(slot, record);
        }
    } else {
        ok = writeSlot(slot, record);
    }
    ok = m_file.flush() && ok;
    m_state = State::Browse;
    m_buffer.clear();
    if (!ok)
        return fail(m_file.errorString());
    m_slot = slot;
    m_current = record;
    return true;
}

void PersonalTable::cancel()
{
    m_state = State::Browse;
    m_buffer.clear();
}

bool PersonalTable::deleteRecord()
{
    // Deleting a record not yet posted only drops it; the record that was
    // current before the insert stays.
    if (m_state == State::Inserting) {
        cancel();
        return true;
    }
    if (!active() || m_slot < 0)
        return false;
    if (readOnly)
        return fail(PdbTexts::ReadOnlyDelete);
    m_state = State::Browse;
    // A head of 0 also means "none"; the link must stay non-zero to mark the slot deleted.
    const int32_t link = m_freeHead > 0 ? m_freeHead : -1;
    QByteArray bytes = m_current;
    qToLittleEndian<int32_t>(link, bytes.data());
    const int64_t slot = m_slot;
    bool ok = writeSlot(slot, bytes);
    m_freeHead = int32_t(slot + 1);
    ++m_deletedCount;
    --m_recordCount;
    ok = writeHeader() && ok;
    if (!ok)
        return fail(m_file.errorString());
    if (!seekLive(slot + 1))
        first();
    return true;
}

namespace PdbSchema {

std::vector<TableField> names()
{
    return stringFields({{"FIRSTNAME", 50}, {"LASTNAME", 50}, {"COMPANY", 50}, {"TITLE", 50},   {"ADDRESS", 100},
                         {"CITY", 20},      {"STATE", 20},    {"ZIP", 15},     {"COUNTRY", 20}, {"PHONE1", 20},
                         {"PHONE2", 20},    {"PHONE3", 20},   {"PHONE4", 20},  {"PHONE5", 20},  {"FAX", 20},
                         {"EMAIL1", 100},   {"EMAIL2", 100},  {"WEBSITE", 100}, {"USER1", 100}, {"USER2", 100},
                         {"USER3", 100},    {"USER4", 100}});
}

std::vector<TableField> media()
{
    return stringFields(
        {{"TITLE", 100}, {"AUTHOR", 100}, {"DESCRIPTION", 100}, {"CONTENTS", 1024}, {"NOTES", 1024}});
}

std::vector<TableField> texts()
{
    return stringFields({{"TEXT", 512}});
}

} // namespace PdbSchema
