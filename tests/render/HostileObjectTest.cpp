// Objects from damaged files: any field may hold any value. Drawing must
// finish without crashing or running away.

#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "RenderTestSupport.h"
#include "model/ObjectData.h"
#include "render/DrawObject.h"

namespace {

struct Hostile {
    const char* name;
    char kind;
    std::function<void(TObjectData&)> damage;
};

TEST(HostileObjects, DrawWithoutCrashingOrHanging)
{
    const QString longText = QString("word ").repeated(4000) + QString(5000, 'x');
    const Hostile cases[] = {
        {"huge font", 'T', [](TObjectData& o) { o.Font.height = INT_MIN; }},
        {"huge positive font", 'T', [](TObjectData& o) { o.Font.height = INT_MAX; o.Font.width = INT_MAX; }},
        {"extreme rotation", 'T', [](TObjectData& o) { o.Rotation = INT_MIN; }},
        {"rotation past a turn", 'T', [](TObjectData& o) { o.Rotation = 36000 + 905; }},
        {"negative rotation", 'T', [](TObjectData& o) { o.Rotation = -450; }},
        {"shadow limits", 'T', [](TObjectData& o) { o.ShadowX = -128; o.ShadowY = 127; }},
        {"unknown style", 'T', [](TObjectData& o) { o.TextStyle = 0x7F7F7F7F; o.Style = INT_MIN; }},
        {"arc odd step", 'T', [](TObjectData& o) { o.TextStyle = int32_t(0x80FF0003u); }},
        {"arc tiny font", 'T', [](TObjectData& o) { o.TextStyle = 0x00F40003; o.Font.height = 0; }},
        {"bar code odd type", 'T', [](TObjectData& o) { o.TextStyle = int32_t(0x80FFFF02u); }},
        {"bar code widest bars", 'T', [&](TObjectData& o) {
             o.TextStyle = 0x7F010202;
             o.Lines = {"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-"};
         }},
        {"bar code no width", 'T', [](TObjectData& o) { o.TextStyle = int32_t(0x80010102u); o.Lines = {"03600029145"}; }},
        {"long wrapped rotated text", 'T', [&](TObjectData& o) { o.TextStyle = 0; o.Rotation = 900; o.Lines = {longText}; }},
        {"long wrapped text", 'T', [&](TObjectData& o) { o.TextStyle = 0; o.Lines = {longText}; }},
        {"long arc text", 'T', [&](TObjectData& o) { o.TextStyle = 0x00F40003; o.Lines = {longText}; }},
        {"many list entries", 'T', [](TObjectData& o) { o.Lines = QStringList(50000, "x"); }},
        {"no entries", 'T', [](TObjectData& o) { o.Lines.clear(); }},
        {"only line ends", 'T', [](TObjectData& o) { o.Rotation = 450; o.Lines = {QString("\r\n").repeated(300)}; }},
        {"lone carriage return", 'T', [](TObjectData& o) { o.Rotation = 900; o.Lines = {"end\r"}; }},
        {"huge line", 'L', [](TObjectData& o) { o.LineSize = INT_MAX; o.LineType = 3; }},
        {"negative line", 'L', [](TObjectData& o) { o.LineSize = INT_MIN; o.LineType = INT_MIN; }},
        {"huge box pen", 'B', [](TObjectData& o) { o.LineSize = INT_MAX; o.Style = 2; }},
        {"odd round box", 'R', [](TObjectData& o) { o.Style = 99; }},
        {"odd ellipse", 'C', [](TObjectData& o) { o.Style = -1; o.LineSize = -5; }},
        {"unknown kind", 'Z', [](TObjectData&) {}},
    };
    const QRect frames[] = {QRect(10, 10, 180, 90), QRect(-50, -50, 0, 0), QRect(5, 5, 1, 2000)};
    for (const Hostile& c : cases) {
        SCOPED_TRACE(c.name);
        for (int zoom : {25, 100, 1000}) {
            for (const QRect& frame : frames) {
                TestSurface s(200, 120);
                TObjectData object(nullptr, c.kind);
                object.Lines = {"Sample text"};
                c.damage(object);
                DrawDesignObject(*s.canvas, frame, object, zoom);
                s.done();
            }
        }
    }
}

} // namespace
