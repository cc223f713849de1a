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

// Justification flags: 0 left, 1 centre, 2 right, plus the TextFormat flags.
// Returns true when something was drawn. The canvas's text colour and font
// are restored; the background mode is left transparent.
bool drawStyledText(Canvas& canvas, int32_t rotation, const QRect& rect, unsigned justification, const QString& text,
                    const QColor& textColor, int32_t textStyle, int shadowX, int shadowY, const QColor& shadowColor,
                    int32_t zoom);

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
