#include "base/CsvFile.h"

#include "base/Cp1252.h"

namespace {
constexpr int kBufferSize = 64 * 1024;
constexpr char kCR = '\r';
constexpr char kLF = '\n';
const QByteArray kUtf8Bom("\xEF\xBB\xBF", 3);

// Checks UTF-8 chunk by chunk: well-formed sequences only (no overlong
// forms, surrogates or code points above U+10FFFF), none cut off at the end.
class Utf8Validator {
public:
    bool feed(QByteArrayView bytes)
    {
        for (char ch : bytes) {
            const auto b = static_cast<uint8_t>(ch);
            if (m_needed == 0) {
                if (b < 0x80)
                    continue;
                if (b >= 0xC2 && b <= 0xDF) {
                    m_needed = 1;
                } else if (b >= 0xE0 && b <= 0xEF) {
                    m_needed = 2;
                    m_low = b == 0xE0 ? 0xA0 : 0x80;
                    m_high = b == 0xED ? 0x9F : 0xBF;
                    continue;
                } else if (b >= 0xF0 && b <= 0xF4) {
                    m_needed = 3;
                    m_low = b == 0xF0 ? 0x90 : 0x80;
                    m_high = b == 0xF4 ? 0x8F : 0xBF;
                    continue;
                } else {
                    return m_ok = false;
                }
                m_low = 0x80;
                m_high = 0xBF;
                continue;
            }
            if (b < m_low || b > m_high)
                return m_ok = false;
            m_low = 0x80;
            m_high = 0xBF;
            --m_needed;
        }
        return true;
    }
    bool valid() const { return m_ok && m_needed == 0; }

private:
    int m_needed = 0;
    uint8_t m_low = 0x80;
    uint8_t m_high = 0xBF;
    bool m_ok = true;
};

} // namespace

CsvFile::CsvFile() = default;

CsvFile::~CsvFile()
{
    close();
}

bool CsvFile::openRead(const QString& path, char delimiter, char quote)
{
    m_delimiter = delimiter;
    m_quote = quote;
    close();
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly))
        return false;
    m_writing = false;
    m_buffer.resize(kBufferSize);
    detectEncoding();
    m_fieldCount = countFields();
    if (m_fieldCount > 0 && rewind())
        return true;
    close();
    return false;
}

bool CsvFile::openWrite(const QString& path, char delimiter, char quote)
{
    m_delimiter = delimiter;
    m_quote = quote;
    close();
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    m_writing = true;
    m_writeFailed = false;
    return true;
}

bool CsvFile::close()
{
    bool ok = true;
    if (m_file.isOpen()) {
        if (m_writing)
            ok = m_file.flush() && !m_writeFailed;
        m_file.close();
    }
    m_writing = false;
    m_values.clear();
    m_fieldCount = 0;
    m_bufStart = 0;
    m_bufPos = m_bufLen = 0;
    m_dataStart = 0;
    return ok;
}

void CsvFile::detectEncoding()
{
    m_dataStart = 0;
    m_readEncoding = m_encoding == Encoding::Detect ? Encoding::Cp1252 : m_encoding;
    if (m_encoding == Encoding::Cp1252)
        return;
    Utf8Validator validator;
    bool first = true;
    while (!m_file.atEnd()) {
        const QByteArray chunk = m_file.read(kBufferSize);
        if (chunk.isEmpty())
            break;
        if (first && chunk.startsWith(kUtf8Bom))
            m_dataStart = kUtf8Bom.size();
        first = false;
        if (m_encoding == Encoding::Utf8 || !validator.feed(chunk))
            break;
    }
    if (m_encoding == Encoding::Detect)
        m_readEncoding = validator.valid() ? Encoding::Utf8 : Encoding::Cp1252;
    if (m_readEncoding == Encoding::Cp1252)
        m_dataStart = 0;
    m_file.seek(0);
    m_bufStart = 0;
    m_bufPos = m_bufLen = 0;
    seekTo(m_dataStart);
}

int CsvFile::refillAndGet()
{
    if (!m_file.isOpen() || m_writing)
        return kEof;
    m_bufStart += m_bufLen;
    const qint64 got = m_file.read(m_buffer.data(), m_buffer.size());
    m_bufPos = 0;
    m_bufLen = got > 0 ? int(got) : 0;
    if (m_bufLen == 0)
        return kEof;
    return static_cast<uint8_t>(m_buffer[m_bufPos++]);
}

bool CsvFile::seekTo(qint64 offset)
{
    // Stay inside the buffer when we can: a rewind of a small file costs nothing.
    if (offset >= m_bufStart && offset <= m_bufStart + m_bufLen) {
        m_bufPos = int(offset - m_bufStart);
        return true;
    }
    if (!m_file.seek(offset))
        return false;
    m_bufStart = offset;
    m_bufPos = m_bufLen = 0;
    return true;
}

int32_t CsvFile::countFields()
{
    if (!m_file.isOpen() || m_writing)
        return 0;
    const qint64 saved = tell();
    const QStringList savedValues = m_values;
    seekTo(m_dataStart);
    int32_t fields = 0;
    readLine(-1, &fields);
    m_values = savedValues;
    seekTo(saved);
    return fields;
}

bool CsvFile::rewind()
{
    if (!m_file.isOpen() || m_writing || !seekTo(m_dataStart))
        return false;
    return readLine(m_fieldCount, nullptr);
}

bool CsvFile::readNext()
{
    if (!m_file.isOpen() || m_writing)
        return false;
    return readLine(m_fieldCount, nullptr);
}

void CsvFile::storeField(int32_t maxFields)
{
    if (maxFields < 0 || m_values.size() < maxFields)
        m_values.append(decode(m_field));
    m_field.clear();
}

// Reads one line into m_values. maxFields < 0 keeps every field (used to count
// the names line). Returns false when the file had nothing left to read.
bool CsvFile::readLine(int32_t maxFields, int32_t* fieldsSeen)
{
    m_values.clear();
    m_field.clear();
    int32_t index = 0;
    bool quoted = false;
    bool consumed = false;
    for (;;) {
        const int c = getChar();
        if (c == kEof) {
            if (consumed) {
                storeField(maxFields);
                ++index;
            }
            break;
        }
        consumed = true;
        if (c == static_cast<uint8_t>(m_delimiter) && !quoted) {
            storeField(maxFields);
            ++index;
        } else if (c == static_cast<uint8_t>(m_quote) && c != kCR && c != kLF) {
            if (!quoted) {
                quoted = true;
            } else {
                const int next = getChar();
                if (next == c) {
                    m_field.append(char(c));
                } else {
                    quoted = false;
                    if (next != kEof)
                        ungetChar();
                }
            }
        } else if (c == kCR || c == kLF) {
            if (c == kCR) {
                // After a CR only an LF belongs to the same line end.
                const int next = getChar();
                if (next != kLF && next != kEof)
                    ungetChar();
            }
            if (quoted) {
                m_field.append(kCR).append(kLF);
            } else {
                storeField(maxFields);
                ++index;
                break;
            }
        } else {
            m_field.append(char(c));
        }
    }
    if (fieldsSeen)
        *fieldsSeen = index;
    return index > 0;
}

QString CsvFile::decode(const QByteArray& bytes) const
{
    return m_readEncoding == Encoding::Utf8 ? QString::fromUtf8(bytes) : fromCp1252(bytes);
}

QByteArray CsvFile::encode(const QString& text) const
{
    return m_encoding == Encoding::Utf8 ? text.toUtf8() : toCp1252(text);
}

bool CsvFile::writeRecord(const QStringList& values)
{
    if (!m_file.isOpen() || !m_writing)
        return false;
    if (m_fieldCount == 0) {
        m_fieldCount = int32_t(values.size());
        m_values = values;
    }
    QByteArray line;
    for (int32_t i = 0; i < m_fieldCount; ++i) {
        const QByteArray value = i < values.size() ? encode(values[i]) : QByteArray();
        line.append('"');
        for (char c : value) {
            line.append(c);
            if (c == '"')
                line.append('"');
        }
        line.append('"');
        line.append(i + 1 < m_fieldCount ? QByteArray(",") : QByteArray("\r\n"));
    }
    if (m_file.write(line) != line.size())
        m_writeFailed = true;
    return !m_writeFailed;
}
