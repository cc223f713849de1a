#pragma once
// Little-endian records, field by field. Every read is bounds-checked: a read
// past the end returns zeros and latches the reader into the failed state, so
// a parser can read a whole record and check ok() once.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>

class ByteReader {
public:
    ByteReader() = default;
    ByteReader(const char* data, qsizetype size) : m_data(data), m_size(size < 0 ? 0 : size) {}
    explicit ByteReader(QByteArrayView view) : m_data(view.data()), m_size(view.size()) {}

    bool ok() const { return m_ok; }
    qsizetype pos() const { return m_pos; }
    qsizetype size() const { return m_size; }
    qsizetype remaining() const { return m_size - m_pos; }
    bool atEnd() const { return m_pos >= m_size; }
    const char* current() const { return m_data + m_pos; }

    bool seek(qsizetype pos);
    bool skip(qsizetype count);

    uint8_t u8();
    int8_t i8() { return static_cast<int8_t>(u8()); }
    uint16_t u16();
    int16_t i16() { return static_cast<int16_t>(u16()); }
    uint32_t u32();
    int32_t i32() { return static_cast<int32_t>(u32()); }

    // Copies exactly count bytes; fails (and copies nothing) when fewer remain.
    bool read(void* destination, qsizetype count);
    QByteArray bytes(qsizetype count);
    // A view of the next count bytes without copying; empty and failed when short.
    QByteArrayView view(qsizetype count);
    // A fixed-width field holding a NUL-terminated 8-bit string.
    QByteArray fixedString(qsizetype fieldSize);

    // Reads at an absolute offset without moving; false when out of range.
    bool peekU32(qsizetype offset, uint32_t& value) const;

private:
    bool take(qsizetype count);

    const char* m_data = nullptr;
    qsizetype m_size = 0;
    qsizetype m_pos = 0;
    bool m_ok = true;
};

class ByteWriter {
public:
    explicit ByteWriter(QByteArray& target) : m_out(target) {}

    qsizetype pos() const { return m_out.size(); }
    void u8(uint8_t v) { m_out.append(static_cast<char>(v)); }
    void i8(int8_t v) { u8(static_cast<uint8_t>(v)); }
    void u16(uint16_t v);
    void i16(int16_t v) { u16(static_cast<uint16_t>(v)); }
    void u32(uint32_t v);
    void i32(int32_t v) { u32(static_cast<uint32_t>(v)); }
    void bytes(QByteArrayView data) { m_out.append(data.data(), data.size()); }
    void zeros(qsizetype count) { m_out.append(count, '\0'); }
    // Writes text into a field of fieldSize bytes, cut to fieldSize - 1 and NUL-padded.
    void fixedString(QByteArrayView text, qsizetype fieldSize);

    // Overwrites already written bytes.
    void patchU32(qsizetype offset, uint32_t v);
    void patchI32(qsizetype offset, int32_t v) { patchU32(offset, static_cast<uint32_t>(v)); }

private:
    QByteArray& m_out;
};

uint32_t readU32At(QByteArrayView data, qsizetype offset);
