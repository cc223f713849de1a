#pragma once
// The program's own table files (.dat): a 48-byte header, one 41-byte
// descriptor per field, then fixed-size record slots. Deleted slots form a
// free list and are reused by later inserts; nothing is ever compacted.
// One current record; Insert or Edit fill an edit buffer, Post writes it.
// Failures return false with the reason in lastError().

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "base/NamePositions.h"

namespace TableFieldType {
constexpr uint8_t String = 1;
constexpr uint8_t Int16 = 2;
constexpr uint8_t Int32 = 3;
constexpr uint8_t Word = 4;
constexpr uint8_t Boolean = 5;
constexpr uint8_t Float = 6;
constexpr uint8_t Currency = 7;
constexpr uint8_t Date = 9;
constexpr uint8_t Time = 10;
constexpr uint8_t DateTime = 11;
}

struct TableField {
    QString name;
    uint8_t type = TableFieldType::String;
    int32_t size = 0;       // characters, for strings
    int32_t precision = 0;
    int32_t slotSize = 0;   // bytes in a record slot
    int32_t offset = 0;     // from the start of the slot
};

namespace TableFile {
constexpr int32_t kMagic = 11699;
constexpr int32_t kVersion = 100;
constexpr int kHeaderSize = 48;
constexpr int kDescriptorSize = 41;
constexpr int kSlotHeaderSize = 8;
constexpr int kNameSize = 28;
// Bytes a field occupies in a slot; 0 for an unknown type.
int32_t slotSizeFor(uint8_t type, int32_t size);
}

class PersonalTable {
public:
    PersonalTable() = default;
    ~PersonalTable();
    PersonalTable(const PersonalTable&) = delete;
    PersonalTable& operator=(const PersonalTable&) = delete;

    QString tableName;
    bool readOnly = false;
    // The definitions createTable writes (name, type, size, precision).
    std::vector<TableField> fieldDefs;

    bool open();
    void close();
    bool active() const { return m_file.isOpen(); }
    // Creates or truncates the file from fieldDefs (or, when empty, from the
    // open table's fields): header and descriptors, no records.
    bool createTable();

    // Moves post a pending insert or edit first (false, not moved, when that fails).
    bool first();
    bool next();
    int moveBy(int count);  // forward only; returns how many records it moved
    bool eof() const { return m_slot < 0; }
    int32_t recordCount() const { return m_recordCount; }

    bool insert();
    bool edit();
    bool post();
    void cancel();
    // During an insert: drops the new record and nothing else.
    bool deleteRecord();
    bool editing() const { return m_state != State::Browse; }

    QString fieldValue(const QString& name) const;
    // Sets a field of the edit buffer (strings are cut to the field size); false
    // when not inserting or editing, or when there is no such field.
    bool setFieldValue(const QString& name, const QString& value);

    const std::vector<TableField>& fields() const { return m_fields; }
    QStringList fieldNames() const;
    int fieldIndex(const QString& name) const;
    const QString& lastError() const { return m_error; }

    int32_t deletedCount() const { return m_deletedCount; }
    int32_t freeListHead() const { return m_freeHead; }
    int32_t recordSize() const { return m_recordSize; }
    int32_t dataStart() const { return m_dataStart; }
    int32_t currentSlot() const { return m_slot; }

private:
    enum class State { Browse, Inserting, Editing };

    bool fail(const QString& message);
    bool postPending();
    bool readHeader();
    bool writeHeader();
    int64_t slotCount() const { return int64_t(m_recordCount) + m_deletedCount; }
    int64_t slotOffset(int64_t slot) const { return int64_t(m_dataStart) + slot * m_recordSize; }
    bool readSlot(int64_t slot, QByteArray& bytes);
    bool writeSlot(int64_t slot, const QByteArray& bytes);
    int32_t slotLink(int64_t slot);
    bool seekLive(int64_t from);
    void loadCurrent();
    QByteArray encodeRecord(int32_t link) const;
    QString decodeField(int index, const QByteArray& slot) const;
    QByteArray encodeField(int index, const QString& value) const;
    int64_t takeFreeSlot();

    QFile m_file;
    QString m_error;
    std::vector<TableField> m_fields;
    NamePositions m_fieldPositions;
    int32_t m_recordSize = 0;      // as stored in the header
    int32_t m_computedSize = 0;    // from the descriptors
    int32_t m_recordCount = 0;
    int32_t m_deletedCount = 0;
    int32_t m_freeHead = -1;
    int32_t m_dataStart = 0;
    QByteArray m_access;
    int64_t m_slot = -1;
    QByteArray m_current;          // the current slot's bytes
    QStringList m_buffer;          // edit buffer, one value per field
    State m_state = State::Browse;
};

// The tables of the personal databases.
namespace PdbSchema {
std::vector<TableField> names();
std::vector<TableField> media();
std::vector<TableField> texts();
}
