#pragma once
// Compact JSON with keys in the order they are added (the CLI's output shapes
// are fixed, and QJsonObject would sort them).

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace Json {
QByteArray string(const QString& text);
QByteArray number(int64_t value);
QByteArray boolean(bool value);
inline QByteArray null() { return QByteArrayLiteral("null"); }
QByteArray stringArray(const QStringList& items);
}

class JsonObject {
public:
    JsonObject& add(const char* key, const QString& value) { return raw(key, Json::string(value)); }
    JsonObject& add(const char* key, const char* value) { return raw(key, Json::string(QString::fromUtf8(value))); }
    JsonObject& add(const char* key, int64_t value) { return raw(key, Json::number(value)); }
    JsonObject& add(const char* key, int32_t value) { return raw(key, Json::number(value)); }
    JsonObject& add(const char* key, uint32_t value) { return raw(key, Json::number(value)); }
    JsonObject& add(const char* key, bool value) { return raw(key, Json::boolean(value)); }
    JsonObject& raw(const char* key, const QByteArray& json);
    QByteArray toJson() const { return '{' + m_body + '}'; }

private:
    QByteArray m_body;
};

class JsonArray {
public:
    JsonArray& raw(const QByteArray& json);
    JsonArray& add(const JsonObject& object) { return raw(object.toJson()); }
    QByteArray toJson() const { return '[' + m_body + ']'; }

private:
    QByteArray m_body;
};
