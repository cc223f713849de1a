#pragma once
// What text resolution needs of a merge-data reader: whether a source is
// open, positioning on a record, a field description's value and the record count.
// DataReaderSource adapts any reader class with those members (the design's
// TDataReader) without render depending on the merge layer's headers.

#include <QString>
#include <cstdint>

class FieldSource {
public:
    virtual ~FieldSource() = default;
    virtual bool Active() const = 0;
    // The record index on success, −1 when there is no such record.
    virtual int32_t GotoRecord(int32_t index) = 0;
    virtual QString GetFieldValue(const QString& fieldSpec) = 0;
    virtual int32_t RecordCount() const = 0;
};

// Wraps a reader whose Active and RecordCount may be plain members or
// functions.
template <class Reader>
class DataReaderSource final : public FieldSource {
public:
    explicit DataReaderSource(Reader& reader) : m_reader(reader) {}
    bool Active() const override
    {
        if constexpr (requires { m_reader.Active(); })
            return m_reader.Active();
        else
            return m_reader.Active;
    }
    int32_t GotoRecord(int32_t index) override { return int32_t(m_reader.GotoRecord(index)); }
    QString GetFieldValue(const QString& fieldSpec) override { return m_reader.GetFieldValue(fieldSpec); }
    int32_t RecordCount() const override
    {
        if constexpr (requires { m_reader.RecordCount(); })
            return int32_t(m_reader.RecordCount());
        else
            return int32_t(m_reader.RecordCount);
    }

private:
    Reader& m_reader;
};
