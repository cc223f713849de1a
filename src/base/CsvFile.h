#pragma once
// Delimited text files (comma-separated values with quoting), read and
// written line by line. The first line always holds the field names and its
// field count fixes how many values a record holds.
//
// Reading accepts CR LF, LF and lone CR line ends; a quoted value that spans
// lines receives CR LF. A file whose bytes are valid UTF-8 (a UTF-8 byte-order
// mark is skipped) is read as UTF-8, anything else as Windows-1252. Fields of
// any length are read whole; fields beyond the names line's count are skipped.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>

class CsvFile {
public:
    enum class Encoding { Detect, Utf8, Cp1252 };

    CsvFile();
    ~CsvFile();
    CsvFile(const CsvFile&) = delete;
    CsvFile& operator=(const CsvFile&) = delete;

    // Detect (the default) applies to reading; writing uses Windows-1252
    // unless Utf8 is chosen. Set before opening.
    void setEncoding(Encoding encoding) { m_encoding = encoding; }
    // The encoding the open file is read in (Detect resolved).
    Encoding readEncoding() const { return m_readEncoding; }

    bool openRead(const QString& path, char delimiter = ',', char quote = '"');
    bool openWrite(const QString& path, char delimiter = ',', char quote = '"');
    // False when buffered output could not be written.
    bool close();

    int32_t countFields();
    bool rewind();
    bool readNext();
    // Writes one line of the first fieldCount values (the first call fixes
    // fieldCount); false when the file is not open for writing or the write failed.
    bool writeRecord(const QStringList& values);

    int32_t fieldCount() const { return m_fieldCount; }
    // The values of the line read last (the names after openRead / Rewind).
    const QStringList& values() const { return m_values; }
    bool isOpen() const { return m_file.isOpen(); }

private:
    static constexpr int kEof = -1;
    int getChar()
    {
        if (m_bufPos < m_bufLen)
            return static_cast<uint8_t>(m_buffer[m_bufPos++]);
        return refillAndGet();
    }
    void ungetChar() { --m_bufPos; }
    int refillAndGet();
    bool seekTo(qint64 offset);
    qint64 tell() const { return m_bufStart + m_bufPos; }
    bool readLine(int32_t maxFields, int32_t* fieldsSeen);
    void storeField(int32_t maxFields);
    void detectEncoding();
    QString decode(const QByteArray& bytes) const;
    QByteArray encode(const QString& text) const;

    QFile m_file;
    bool m_writing = false;
    char m_delimiter = ',';
    char m_quote = '"';
    Encoding m_encoding = Encoding::Detect;
    Encoding m_readEncoding = Encoding::Cp1252;
    qint64 m_dataStart = 0;  // after a byte-order mark
    QByteArray m_buffer;
    qint64 m_bufStart = 0;
    int m_bufPos = 0;
    int m_bufLen = 0;
    QByteArray m_field;
    int32_t m_fieldCount = 0;
    QStringList m_values;
    bool m_writeFailed = false;
};
