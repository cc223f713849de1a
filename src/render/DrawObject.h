#pragma once
// Drawing one design object onto a canvas in design units, for the design
// surface, the previews, export and the print job. The canvas's painter
// carries the zoom (or the device's scale): every object is drawn the same
// way whatever it is shown or printed at. Pictures are drawn by drawPicture.

#include <QRect>
#include <QString>
#include <cstdint>

class Canvas;
class FieldSource;
class DesignObject;

// Which copy of the design is being drawn. The screen and every preview use
// the defaults; the print job passes element n (1-based), record r = n − 1 +
// start record, the linked reader (wrap a DataReader in DataReaderSource)
// and whether the records restart after the last one.
struct ElementContext {
    int32_t element = 1;
    int32_t record = 0;
    FieldSource* reader = nullptr;
    bool cycle = false;
};

// Draws a text, line, box, round box or ellipse object in its rectangle.
// Other kinds draw nothing (pictures: drawPictureInto). Sets the canvas font.
void drawDesignObject(Canvas& canvas, const DesignObject& object, const ElementContext& context = {});

// The text an object shows on one element: a list entry, a counter value, a
// personal-data label, a database field's value or the text itself.
QString resolveElementText(const DesignObject& object, const ElementContext& context);
QString resolveElementText(const DesignObject& object, int32_t element, int32_t record, FieldSource* reader,
                           bool cycle);
