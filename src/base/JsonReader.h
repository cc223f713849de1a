#pragma once
// Reading a JSON document of a shape we expect, as hostile input: every value
// is checked for its type and range before it is used, and the first problem
// is thrown as a JsonProblem naming the value's path
// ("regions[1].objects[0].left: expected an integer from -16777216 to 16777216").

#include <QByteArray>
#include <QJsonValue>
#include <QString>
#include <cstdint>

struct JsonProblem {
    QString path;     // empty for the document as a whole
    QString problem;  // "missing", "expected a string", ...

    QString message() const { return path.isEmpty() ? problem : path + QStringLiteral(": ") + problem; }
};

class JsonIn {
public:
    JsonIn(QJsonValue value, QString path) : m_value(std::move(value)), m_path(std::move(path)) {}

    // The document's top-level object; throws on malformed JSON or another top level.
    static JsonIn parseObject(const QByteArray& bytes);

    const QString& path() const { return m_path; }
    bool isNull() const { return m_value.isNull(); }
    bool has(const char* key) const;

    // A member of this object; throws "missing" when it is not there.
    JsonIn member(const char* key) const;
    // The array's elements, at most maxCount of them.
    qsizetype arraySize(qsizetype maxCount) const;
    JsonIn at(qsizetype index) const;

    int64_t integer(int64_t low, int64_t high) const;
    bool boolean() const;
    QString string() const;
    // A string of hexadecimal digits giving exactly size bytes.
    QByteArray hexBytes(qsizetype size) const;
    // A string of standard base64.
    QByteArray base64Bytes() const;

    [[noreturn]] void fail(const QString& problem) const;

private:
    void requireObject() const;

    QJsonValue m_value;
    QString m_path;
};
