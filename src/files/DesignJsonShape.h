#pragma once
// The JSON shape of a design file, described once: `info` writes designs in
// it and `build` reads them back, so every field named here survives the
// round trip. Integer and flag fields are tables; the nested parts (font,
// picture, layout, reserved bytes) are pairs of functions side by side.

#include <QByteArray>
#include <cstdint>
#include <span>

#include "base/JsonReader.h"
#include "base/JsonWriter.h"
#include "gdi/LogFont.h"
#include "imaging/Picture.h"
#include "model/LayoutRecord.h"

class DesignObject;

template <class T>
struct JsonField {
    const char* key;
    int64_t low;
    int64_t high;
    int64_t (*get)(const T&);
    void (*set)(T&, int64_t);
    bool isFlag = false;  // written as true/false
};

template <class T>
void writeJsonFields(JsonObject& out, std::span<const JsonField<T>> fields, const T& from)
{
    for (const JsonField<T>& field : fields) {
        if (field.isFlag)
            out.add(field.key, field.get(from) != 0);
        else
            out.add(field.key, field.get(from));
    }
}

template <class T>
void readJsonFields(const JsonIn& in, std::span<const JsonField<T>> fields, T& to)
{
    for (const JsonField<T>& field : fields) {
        const JsonIn value = in.member(field.key);
        field.set(to, field.isFlag ? int64_t(value.boolean()) : value.integer(field.low, field.high));
    }
}

namespace DesignJson {

// An object's geometry (design units) and properties.
std::span<const JsonField<DesignObject>> objectFields();

QByteArray fontJson(const LogFont& font);
LogFont readFont(const JsonIn& in);

QByteArray layoutJson(const LayoutRecord& layout);
LayoutRecord readLayout(const JsonIn& in);

// null for an empty picture; the stored bytes as base64 under "data" when withData.
QByteArray pictureJson(const Picture& picture, bool withData);
Picture readPicture(const JsonIn& in);

// Design geometry is kept within this on loading (see DesignObject).
constexpr int64_t kMaxCoordinate = 1 << 24;
// The largest regions array a design can have: two sides of four panels.
constexpr int kMaxRegions = 8;

} // namespace DesignJson
