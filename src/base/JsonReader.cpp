#include "base/JsonReader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cctype>
#include <cmath>

JsonIn JsonIn::parseObject(const QByteArray& bytes)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        throw JsonProblem{{}, QStringLiteral("not valid JSON at byte %1: %2").arg(error.offset).arg(error.errorString())};
    if (!document.isObject())
        throw JsonProblem{{}, QStringLiteral("expected a JSON object at the top")};
    return JsonIn(document.object(), {});
}

void JsonIn::fail(const QString& problem) const { throw JsonProblem{m_path, problem}; }

void JsonIn::requireObject() const
{
    if (!m_value.isObject())
        fail(QStringLiteral("expected an object"));
}

bool JsonIn::has(const char* key) const
{
    requireObject();
    return m_value.toObject().contains(QLatin1String(key));
}

JsonIn JsonIn::member(const char* key) const
{
    requireObject();
    const QString name = QLatin1String(key);
    const QString path = m_path.isEmpty() ? name : m_path + QLatin1Char('.') + name;
    const QJsonObject object = m_value.toObject();
    const auto found = object.constFind(name);
    if (found == object.constEnd())
        throw JsonProblem{path, QStringLiteral("missing")};
    return JsonIn(*found, path);
}

qsizetype JsonIn::arraySize(qsizetype maxCount) const
{
    if (!m_value.isArray())
        fail(QStringLiteral("expected an array"));
    const qsizetype count = m_value.toArray().size();
    if (count > maxCount)
        fail(QStringLiteral("expected at most %1 elements, not %2").arg(maxCount).arg(count));
    return count;
}

JsonIn JsonIn::at(qsizetype index) const
{
    return JsonIn(m_value.toArray().at(index), m_path + QStringLiteral("[%1]").arg(index));
}

int64_t JsonIn::integer(int64_t low, int64_t high) const
{
    const double value = m_value.toDouble(std::nan(""));
    // Every bound we check fits a double exactly, so the comparisons are exact too.
    if (!m_value.isDouble() || value != std::trunc(value) || value < double(low) || value > double(high))
        fail(QStringLiteral("expected an integer from %1 to %2").arg(low).arg(high));
    return int64_t(value);
}

bool JsonIn::boolean() const
{
    if (!m_value.isBool())
        fail(QStringLiteral("expected true or false"));
    return m_value.toBool();
}

QString JsonIn::string() const
{
    if (!m_value.isString())
        fail(QStringLiteral("expected a string"));
    return m_value.toString();
}

QByteArray JsonIn::hexBytes(qsizetype size) const
{
    const QString text = string();
    const bool allHex = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80 && std::isxdigit(c.unicode()) != 0; });
    if (text.size() != 2 * size || !allHex)
        fail(QStringLiteral("expected %1 hexadecimal digits").arg(2 * size));
    return QByteArray::fromHex(text.toLatin1());
}

QByteArray JsonIn::base64Bytes() const
{
    const QString text = string();
    const auto decoded =
        QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || text.size() % 4 != 0)
        fail(QStringLiteral("expected base64 data"));
    return *decoded;
}
