#pragma once
// Text in the four text styles: plain (wrapped or not, rotated), bar codes
// and arc text, each with an optional drop shadow.

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <cstdint>
#include <vector>

class Canvas;

// How styled text looks: a text object's style word (TextStyleWord), turn,
// justification, colours and drop shadow, drawn at a zoom.
struct StyledTextOptions {
    int32_t textStyle = 1;
    int32_t rotation = 0;        // tenths of a degree, counter-clockwise
    unsigned justification = 0;  // 0 left, 1 centre, 2 right, plus the TextFormat flags
    QColor textColor{};
    int shadowX = 0;  // shadow offset in design units at zoom 100; 0, 0 is no shadow
    int shadowY = 0;
    QColor shadowColor{};
    int32_t zoom = 100;
};

// Returns true when something was drawn. The canvas's text colour and font
// are restored; the background mode is left transparent.
bool drawStyledText(Canvas& canvas, const QRect& rect, const QString& text, const StyledTextOptions& options);

// Rotation in tenths of a degree, counter-clockwise; flags are justification,
// TextFormat::WordBreak and TextFormat::NoClip.
void drawPlainText(Canvas& canvas, int32_t rotation, const QRect& rect, const QString& text, unsigned flags);

// Where rotated text puts its lines: the reference point of each line.
struct RotatedLine {
    QString text;
    QPoint origin;
};
std::vector<RotatedLine> layoutRotatedText(const Canvas& canvas, int angleDegrees, const QRect& rect,
                                           const QString& text, bool wrap);
