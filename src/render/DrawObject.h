#pragma once
// Drawing one design object onto a canvas at a zoom, for the design surface,
// the previews and the print job. Pictures are drawn by drawPicture.

#include <QRect>
#include <QString>
#include <cstdint>

class Canvas;
class FieldSource;
class ObjectData;

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

// Draws a text, line, box, round box or ellipse object with its top-left at
// frame's top-left. Lines and shapes take their width and height from the
// object's control (its frame on the surface at this zoom); text uses the
// frame rectangle. Other kinds draw nothing. Sets the canvas font.
void drawDesignObject(Canvas& canvas, const QRect& frame, const ObjectData& object, int32_t zoom,
                      const ElementContext& context = {});

// The text an object shows on one element: a list entry, a counter value, a
// personal-data label, a database field's value or the text itself.
QString resolveElementText(const ObjectData& object, const ElementContext& context);
QString resolveElementText(const ObjectData& object, int32_t element, int32_t record, FieldSource* reader,
                           bool cycle);
