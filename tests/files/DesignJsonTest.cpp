// A design described as JSON and built back: the same bytes, and every
// malformed description refused with the path of the value at fault.

#include <gtest/gtest.h>

#include "ShippedDesigns.h"
#include "WriteFailures.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <functional>

#include "examples/ExampleDesigns.h"
#include "files/DesignBuild.h"
#include "files/DesignFile.h"
#include "files/DesignInfo.h"

namespace {



QByteArray describe(const QString& path, bool withPictures = true)
{
    QByteArray json;
    EXPECT_EQ(describeDesignFile(path, json, withPictures), DesignFileResult::Success) << path.toStdString();
    return json;
}

// Every design the program ships: the examples and the templates.


class DesignJson : public testing::Test {
protected:
    // The picture example: text, bar codes and two pictures.
    QByteArray pictureExampleJson()
    {
        for (const ExampleDesign& design : exampleDesigns())
            if (design.fileName == "picture-and-codes.lpd") {
                const QString path = dir.filePath(design.fileName);
                EXPECT_TRUE(writeExample(design, path));
                return describe(path);
            }
        ADD_FAILURE() << "no picture example";
        return {};
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(DesignJson, EveryShippedDesignIsBuiltBackByteForByte)
{
    const QStringList paths = shippedDesignPaths();
    ASSERT_FALSE(paths.isEmpty());
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        const DesignBuildResult built = buildDesignFromJson(describe(path));
        ASSERT_TRUE(built.ok()) << built.error.toStdString();
        EXPECT_EQ(built.bytes, fileBytes(path));
    }
}

TEST_F(DesignJson, EveryExampleAsBuiltIsBuiltBackByteForByte)
{
    for (const ExampleDesign& design : exampleDesigns()) {
        SCOPED_TRACE(design.fileName.toStdString());
        const QString path = dir.filePath(design.fileName);
        ASSERT_TRUE(writeExample(design, path));
        const DesignBuildResult built = buildDesignFromJson(describe(path));
        ASSERT_TRUE(built.ok()) << built.error.toStdString();
        EXPECT_EQ(built.bytes, fileBytes(path));
    }
}

TEST_F(DesignJson, AnEditedDescriptionBuildsTheEditedDesign)
{
    QJsonObject top = QJsonDocument::fromJson(pictureExampleJson()).object();
    QJsonObject layout = top["layout"].toObject();
    layout["name"] = "Renamed";
    top["layout"] = layout;
    top["zoom"] = 150;
    const DesignBuildResult built = buildDesignFromJson(QJsonDocument(top).toJson());
    ASSERT_TRUE(built.ok()) << built.error.toStdString();
    const QString path = dir.filePath("edited.lpd");
    ASSERT_TRUE(writeBytes(path, built.bytes));
    const QJsonObject read = QJsonDocument::fromJson(describe(path)).object();
    EXPECT_EQ(read["zoom"].toInt(), 150);
    EXPECT_EQ(read["layout"]["name"].toString(), "Renamed");
    EXPECT_EQ(read["regions"], top["regions"]);
}

namespace {

// Changes a description in place.
using Edit = std::function<void(QJsonObject&)>;

// Changes the member object key of an object in place.
void editMember(QJsonObject& parent, const char* key, const std::function<void(QJsonObject&)>& change)
{
    QJsonObject member = parent[key].toObject();
    change(member);
    parent[key] = member;
}

Edit onLayout(std::function<void(QJsonObject&)> change)
{
    return [change](QJsonObject& top) { editMember(top, "layout", change); };
}

Edit onRegion(std::function<void(QJsonObject&)> change)
{
    return [change](QJsonObject& top) {
        QJsonArray regions = top["regions"].toArray();
        QJsonObject region = regions[0].toObject();
        change(region);
        regions[0] = region;
        top["regions"] = regions;
    };
}

QJsonObject firstObjectOfKind(const QJsonObject& top, const QString& kind, int* index)
{
    const QJsonArray objects = top["regions"][0]["objects"].toArray();
    for (int i = 0; i < objects.size(); ++i)
        if (objects[i]["kind"].toString() == kind) {
            *index = i;
            return objects[i].toObject();
        }
    return {};
}

// Replaces regions[0].objects[index] of top.
void putObject(QJsonObject& top, int index, const QJsonObject& object)
{
    onRegion([&](QJsonObject& region) {
        QJsonArray objects = region["objects"].toArray();
        objects[index] = object;
        region["objects"] = objects;
    })(top);
}

// Edits the first object of a kind in place.
Edit onObject(const QString& kind, std::function<void(QJsonObject&)> change)
{
    return [kind, change](QJsonObject& top) {
        int index = -1;
        QJsonObject object = firstObjectOfKind(top, kind, &index);
        change(object);
        putObject(top, index, object);
    };
}

QString objectPath(const QJsonObject& top, const QString& kind)
{
    int index = -1;
    firstObjectOfKind(top, kind, &index);
    return QStringLiteral("regions[0].objects[%1]").arg(index);
}

} // namespace

TEST_F(DesignJson, MalformedDescriptionsAreRefusedWithThePathOfTheFault)
{
    const QByteArray json = pictureExampleJson();
    const QJsonObject good = QJsonDocument::fromJson(json).object();
    const QString text = objectPath(good, "T");
    const QString graphic = objectPath(good, "G");
    struct Case {
        const char* what;
        Edit edit;
        QString message;
    };
    const Case cases[] = {
        {"missing top-level key", [](QJsonObject& t) { t.remove("zoom"); }, "zoom: missing"},
        {"zoom out of range", [](QJsonObject& t) { t["zoom"] = 0; }, "zoom: expected an integer from 1 to 1000"},
        {"fraction", [](QJsonObject& t) { t["zoom"] = 100.5; }, "zoom: expected an integer from 1 to 1000"},
        {"string for a number", onObject("T", [](QJsonObject& o) { o["left"] = "10"; }),
         text + ".left: expected an integer from -16777216 to 16777216"},
        {"coordinate out of range", onObject("T", [](QJsonObject& o) { o["top"] = 1e9; }),
         text + ".top: expected an integer from -16777216 to 16777216"},
        {"byte field out of range", onObject("T", [](QJsonObject& o) { o["line_size"] = 300; }),
         text + ".line_size: expected an integer from -128 to 127"},
        {"unknown object kind", onObject("T", [](QJsonObject& o) { o["kind"] = "Q"; }),
         text + ".kind: unknown object kind \"Q\" (T, G, L, B, R or C)"},
        {"font flag not a boolean",
         onObject("T", [](QJsonObject& o) { editMember(o, "font", [](QJsonObject& f) { f["italic"] = 1; }); }),
         text + ".font.italic: expected true or false"},
        {"face too long", onObject("T", [](QJsonObject& o) {
             editMember(o, "font", [](QJsonObject& f) { f["face"] = QString(40, 'x'); });
         }),
         text + ".font.face: longer than 31 characters"},
        {"lines not an array", onObject("T", [](QJsonObject& o) { o["lines"] = "one line"; }),
         text + ".lines: expected an array"},
        {"line not a string", onObject("T", [](QJsonObject& o) { o["lines"] = QJsonArray{"a", 2}; }),
         text + ".lines[1]: expected a string"},
        {"picture without its bytes",
         onObject("G", [](QJsonObject& o) { editMember(o, "picture", [](QJsonObject& p) { p.remove("data"); }); }),
         graphic + ".picture.data: missing"},
        {"picture bytes not base64", onObject("G", [](QJsonObject& o) {
             editMember(o, "picture", [](QJsonObject& p) { p["data"] = "not base64!"; });
         }),
         graphic + ".picture.data: expected base64 data"},
        {"picture bytes of another kind", onObject("G", [](QJsonObject& o) {
             editMember(o, "picture", [](QJsonObject& p) {
                 p["data"] = QString::fromLatin1(QByteArray("just some text").toBase64());
             });
         }),
         graphic + ".picture.data: not a readable bitmap picture"},
        {"bitmap shorter than its header says", onObject("G", [](QJsonObject& o) {
             editMember(o, "picture", [](QJsonObject& p) {
                 const QByteArray bmp = QByteArray::fromBase64(p["data"].toString().toLatin1());
                 p["data"] = QString::fromLatin1(bmp.left(bmp.size() - 10).toBase64());
             });
         }),
         graphic + ".picture.data: not a readable bitmap picture"},
        {"unknown picture kind",
         onObject("G", [](QJsonObject& o) { editMember(o, "picture", [](QJsonObject& p) { p["kind"] = "gif"; }); }),
         graphic + ".picture.kind: unknown picture kind \"gif\" (bitmap, jpeg or metafile)"},
        {"reserved bytes not hex",
         onLayout([](QJsonObject& l) { editMember(l, "reserved", [](QJsonObject& r) { r["at82"] = "zz"; }); }),
         "layout.reserved.at82: expected 16 hexadecimal digits"},
        {"layout too large for a region", onLayout([](QJsonObject& l) { l["element_width"] = 2000000000; }),
         "layout: the element size lies outside the limits of a region"},
        {"region given twice", [](QJsonObject& t) {
             QJsonArray regions = t["regions"].toArray();
             regions.append(regions[0]);
             t["regions"] = regions;
         },
         "regions[1]: side 0 panel 0 is given twice"},
        {"panel out of range", onRegion([](QJsonObject& r) { r["panel"] = 4; }),
         "regions[0].panel: expected an integer from 0 to 3"},
        {"three margins", onRegion([](QJsonObject& r) { r["margins"] = QJsonArray{1, 2, 3}; }),
         "regions[0].margins: expected four margins (left, right, top, bottom)"},
        {"more regions than a design has", [](QJsonObject& t) {
             QJsonArray regions;
             for (int i = 0; i < 9; ++i)
                 regions.append(QJsonObject());
             t["regions"] = regions;
         },
         "regions: expected at most 8 elements, not 9"},
        {"wrong signature", [](QJsonObject& t) { t["signature"] = "0x12345678"; },
         "signature: expected a design file signature such as \"0x7B34DEA1\""},
        {"password of the wrong length", [](QJsonObject& t) { t["password_bytes"] = "00"; },
         "password_bytes: expected 16 hexadecimal digits"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QJsonObject top = good;
        c.edit(top);
        const DesignBuildResult built = buildDesignFromJson(QJsonDocument(top).toJson());
        EXPECT_EQ(built.error.toStdString(), c.message.toStdString());
        EXPECT_TRUE(built.bytes.isEmpty());
    }
}

TEST_F(DesignJson, TextThatIsNoDescriptionIsRefused)
{
    for (const auto& [text, start] : {std::pair{QByteArray("{\"zoom\": "), QStringLiteral("not valid JSON at byte")},
                                      std::pair{QByteArray(""), QStringLiteral("not valid JSON at byte")},
                                      std::pair{QByteArray("[1, 2]"), QStringLiteral("expected a JSON object")},
                                      std::pair{QByteArray("{}"), QStringLiteral("version: missing")},
                                      std::pair{QByteArray(100000, '['), QStringLiteral("not valid JSON")}}) {
        SCOPED_TRACE(text.left(20).toStdString());
        const DesignBuildResult built = buildDesignFromJson(text);
        EXPECT_TRUE(built.error.startsWith(start)) << built.error.toStdString();
        EXPECT_TRUE(built.bytes.isEmpty());
    }
}
