#include "base/ByteStream.h"

#include <cstring>

bool ByteReader::take(qsizetype count)
{
    if (!m_ok || count < 0 || count > remaining()) {
        m_ok = false;
        return false;
    }
    return true;
}

bool ByteReader::seek(qsizetype pos)
{
    if (pos < 0 || pos > m_size) {
        m_ok = false;
        return false;
    }
    m_pos = pos;
    return m_ok;
}

bool ByteReader::skip(qsizetype count)
{
    if (!take(count))
        return false;
    m_pos += count;
    return true;
}

uint8_t ByteReader::u8()
{
    if (!take(1))
        return 0;
    return static_cast<uint8_t>(m_data[m_pos++]);
}

uint16_t ByteReader::u16()
{
    if (!take(2))
        return 0;
    const auto* p = reinterpret_cast<const uint8_t*>(m_data + m_pos);
    m_pos += 2;
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t ByteReader::u32()
{
    if (!take(4))
        return 0;
    const auto* p = reinterpret_cast<const uint8_t*>(m_data + m_pos);
    m_pos += 4;
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

bool ByteReader::read(void* destination, qsizetype count)
{
    if (!take(count))
        return false;
    if (count > 0)
        std::memcpy(destination, m_data + m_pos, size_t(count));
    m_pos += count;
    return true;
}

QByteArray ByteReader::bytes(qsizetype count)
{
    if (!take(count))
        return {};
    QByteArray out(m_data + m_pos, count);
    m_pos += count;
    return out;
}

QByteArrayView ByteReader::view(qsizetype count)
{
    if (!take(count))
        return {};
    QByteArrayView out(m_data + m_pos, count);
    m_pos += count;
    return out;
}

QByteArray ByteReader::fixedString(qsizetype fieldSize)
{
    QByteArrayView field = view(fieldSize);
    qsizetype length = 0;
    while (length < field.size() && field[length] != '\0')
        ++length;
    return field.first(length).toByteArray();
}

bool ByteReader::peekU32(qsizetype offset, uint32_t& value) const
{
    value = readU32At(QByteArrayView(m_data, m_size), offset);
    return offset >= 0 && offset + 4 <= m_size;
}

uint32_t readU32At(QByteArrayView data, qsizetype offset)
{
    if (offset < 0 || offset + 4 > data.size())
        return 0;
    const auto* p = reinterpret_cast<const uint8_t*>(data.data() + offset);
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

void ByteWriter::u16(uint16_t v)
{
    u8(uint8_t(v & 0xFF));
    u8(uint8_t(v >> 8));
}

void ByteWriter::u32(uint32_t v)
{
    for (int shift = 0; shift < 32; shift += 8)
        u8(uint8_t((v >> shift) & 0xFF));
}

void ByteWriter::fixedString(QByteArrayView text, qsizetype fieldSize)
{
    if (fieldSize <= 0)
        return;
    qsizetype length = 0;
    while (length < text.size() && length < fieldSize - 1 && text[length] != '\0')
        ++length;
    bytes(text.first(length));
    zeros(fieldSize - length);
}

void ByteWriter::patchU32(qsizetype offset, uint32_t v)
{
    if (offset < 0 || offset + 4 > m_out.size())
        return;
    for (int i = 0; i < 4; ++i)
        m_out[offset + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}
