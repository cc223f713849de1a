#pragma once
// What text resolution needs of a merge-data reader: whether a source is
// open, positioning on a record, a field description's value and the record count.
// DataReaderSource adapts any reader class with those members (the design's
// DataReader) without render depending on the merge layer's headers.

#include <QString>
#include <cstdint>

class FieldSource {
public:
    virtual ~FieldSource() = default;
    virtual bool active() const = 0;
    // The record index on success, −1 when there is no such record.
    virtual int32_t gotoRecord(int32_t index) = 0;
    virtual QString fieldValue(const QString& fieldSpec) = 0;
    virtual int32_t recordCount() const = 0;
};

// Wraps a reader whose Active and recordCount may be plain members or
// functions.
template <class Reader>
class DataReaderSource final : public FieldSource {
public:
    explicit DataReaderSource(Reader& reader) : m_reader(reader) {}
    bool active() const override
    {
        if constexpr (requires { m_reader.active(); })
            return m_reader.active();
        else
            return m_reader.active;
    }
    int32_t gotoRecord(int32_t index) override { return int32_t(m_reader.gotoRecord(index)); }
    QString fieldValue(const QString& fieldSpec) override { return m_reader.fieldValue(fieldSpec); }
    int32_t recordCount() const override
    {
        if constexpr (requires { m_reader.recordCount(); })
            return int32_t(m_reader.recordCount());
        else
            return int32_t(m_reader.recordCount);
    }

private:
    Reader& m_reader;
};
