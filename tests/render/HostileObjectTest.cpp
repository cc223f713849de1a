// Objects from damaged files: any field may hold any value. Drawing must
// finish without crashing or running away.

#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "RenderTestSupport.h"
#include "model/DesignObject.h"
#include "render/DrawObject.h"

namespace {

struct Hostile {
    const char* name;
    char kind;
    std::function<void(DesignObject&)> damage;
};

TEST(HostileObjects, DrawWithoutCrashingOrHanging)
{
    const QString longText = QString("word ").repeated(4000) + QString(5000, 'x');
    const Hostile cases[] = {
        {"huge font", 'T', [](DesignObject& o) { o.font.height = INT_MIN; }},
        {"huge positive font", 'T', [](DesignObject& o) { o.font.height = INT_MAX; o.font.width = INT_MAX; }},
        {"extreme rotation", 'T', [](DesignObject& o) { o.rotation = INT_MIN; }},
        {"rotation past a turn", 'T', [](DesignObject& o) { o.rotation = 36000 + 905; }},
        {"negative rotation", 'T', [](DesignObject& o) { o.rotation = -450; }},
        {"shadow limits", 'T', [](DesignObject& o) { o.shadowX = -128; o.shadowY = 127; }},
        {"unknown style", 'T', [](DesignObject& o) { o.textStyle = 0x7F7F7F7F; o.style = INT_MIN; }},
        {"arc odd step", 'T', [](DesignObject& o) { o.textStyle = int32_t(0x80FF0003u); }},
        {"arc tiny font", 'T', [](DesignObject& o) { o.textStyle = 0x00F40003; o.font.height = 0; }},
        {"bar code odd type", 'T', [](DesignObject& o) { o.textStyle = int32_t(0x80FFFF02u); }},
        {"bar code widest bars", 'T', [&](DesignObject& o) {
             o.textStyle = 0x7F010202;
             o.lines = {"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-"};
         }},
        {"bar code no width", 'T', [](DesignObject& o) { o.textStyle = int32_t(0x80010102u); o.lines = {"03600029145"}; }},
        {"long wrapped rotated text", 'T', [&](DesignObject& o) { o.textStyle = 0; o.rotation = 900; o.lines = {longText}; }},
        {"long wrapped text", 'T', [&](DesignObject& o) { o.textStyle = 0; o.lines = {longText}; }},
        {"long arc text", 'T', [&](DesignObject& o) { o.textStyle = 0x00F40003; o.lines = {longText}; }},
        {"many list entries", 'T', [](DesignObject& o) { o.lines = QStringList(50000, "x"); }},
        {"no entries", 'T', [](DesignObject& o) { o.lines.clear(); }},
        {"only line ends", 'T', [](DesignObject& o) { o.rotation = 450; o.lines = {QString("\r\n").repeated(300)}; }},
        {"lone carriage return", 'T', [](DesignObject& o) { o.rotation = 900; o.lines = {"end\r"}; }},
        {"huge line", 'L', [](DesignObject& o) { o.lineSize = INT_MAX; o.lineType = 3; }},
        {"negative line", 'L', [](DesignObject& o) { o.lineSize = INT_MIN; o.lineType = INT_MIN; }},
        {"huge box pen", 'B', [](DesignObject& o) { o.lineSize = INT_MAX; o.style = 2; }},
        {"odd round box", 'R', [](DesignObject& o) { o.style = 99; }},
        {"odd ellipse", 'C', [](DesignObject& o) { o.style = -1; o.lineSize = -5; }},
        {"unknown kind", 'Z', [](DesignObject&) {}},
    };
    const QRect frames[] = {QRect(10, 10, 180, 90), QRect(-50, -50, 0, 0), QRect(5, 5, 1, 2000)};
    for (const Hostile& c : cases) {
        SCOPED_TRACE(c.name);
        for (int zoom : {25, 100, 1000}) {
            for (const QRect& frame : frames) {
                TestSurface s(200, 120, zoom);
                DesignObject object(c.kind);
                object.lines = {"Sample text"};
                object.setRect(frame);
                c.damage(object);
                drawDesignObject(*s.canvas, object);
                s.done();
            }
        }
    }
}

} // namespace
