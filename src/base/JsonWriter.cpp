#include "base/JsonWriter.h"

namespace Json {

QByteArray string(const QString& text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += '"';
    for (QChar c : text) {
        const char16_t u = c.unicode();
        switch (u) {
        case '"': out += QStringLiteral("\\\""); break;
        case '\\': out += QStringLiteral("\\\\"); break;
        case '\n': out += QStringLiteral("\\n"); break;
        case '\r': out += QStringLiteral("\\r"); break;
        case '\t': out += QStringLiteral("\\t"); break;
        default:
            if (u < 0x20)
                out += QStringLiteral("\\u%1").arg(int(u), 4, 16, QChar('0'));
            else
                out += c;
        }
    }
    out += '"';
    return out.toUtf8();
}

QByteArray number(int64_t value) { return QByteArray::number(qlonglong(value)); }

QByteArray boolean(bool value) { return value ? QByteArrayLiteral("true") : QByteArrayLiteral("false"); }

QByteArray stringArray(const QStringList& items)
{
    QByteArray out = "[";
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i)
            out += ',';
        out += string(items[i]);
    }
    return out + ']';
}

} // namespace Json

JsonObject& JsonObject::raw(const char* key, const QByteArray& json)
{
    if (!m_body.isEmpty())
        m_body += ',';
    m_body += Json::string(QString::fromUtf8(key)) + ':' + json;
    return *this;
}

JsonArray& JsonArray::raw(const QByteArray& json)
{
    if (!m_body.isEmpty())
        m_body += ',';
    m_body += json;
    return *this;
}
