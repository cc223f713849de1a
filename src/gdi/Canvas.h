#pragma once
// A drawing surface with the state the rendering code expects: a current font
// (kept as its LOGFONTA, escapement included), a text colour, a pen, a brush,
// a background mode and a window/viewport mapping, all over one QPainter.
// Coordinates given to the canvas are logical units; the mapping turns them
// into the painter's own coordinates. Text is placed by the top-left corner of
// its character cell, not by its baseline.

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QTransform>
#include <cstdint>

#include "gdi/LogFont.h"

class QPainter;

// A colour as stored files hold it: 0x00BBGGRR.
QColor colorFromRef(int32_t colorRef);
int32_t colorToRef(const QColor& color);

// Flags of the formatted text output.
namespace TextFormat {
constexpr unsigned Left = 0x0;
constexpr unsigned Center = 0x1;
constexpr unsigned Right = 0x2;
constexpr unsigned WordBreak = 0x10;
constexpr unsigned NoClip = 0x100;
constexpr unsigned NoPrefix = 0x800;
constexpr unsigned JustifyMask = 0x3;
}

enum class BackgroundMode { Transparent, Opaque };

struct CanvasPen {
    enum class Style { Solid, Dot, Null };
    QColor color = Qt::black;
    int width = 0;  // logical units; 0 is the thinnest line the device draws
    Style style = Style::Solid;
};

struct CanvasBrush {
    enum class Style { Solid, Null };
    QColor color = Qt::white;
    Style style = Style::Solid;
};

class Canvas {
public:
    // The painter's transform at construction is the device side of the mapping.
    explicit Canvas(QPainter& painter);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    QPainter& painter() const { return m_painter; }

    // --- state ---
    void setFont(const LogFont& font) { m_font = font; }
    const LogFont& font() const { return m_font; }
    void setTextColor(const QColor& color) { m_textColor = color; }
    QColor textColor() const { return m_textColor; }
    void setPen(const CanvasPen& pen) { m_pen = pen; }
    const CanvasPen& pen() const { return m_pen; }
    void setBrush(const CanvasBrush& brush) { m_brush = brush; }
    const CanvasBrush& brush() const { return m_brush; }
    void setBackgroundMode(BackgroundMode mode) { m_bkMode = mode; }
    BackgroundMode backgroundMode() const { return m_bkMode; }
    void setBackgroundColor(const QColor& color) { m_bkColor = color; }
    QColor backgroundColor() const { return m_bkColor; }

    // --- mapping: device = (logical − windowOrg) × viewportExt / windowExt + viewportOrg ---
    void setWindowOrg(QPoint origin);
    void setWindowExt(QSize extent);
    void setViewportOrg(QPoint origin);
    void setViewportExt(QSize extent);
    QPoint windowOrg() const { return m_windowOrg; }
    QSize windowExt() const { return m_windowExt; }
    QPoint viewportOrg() const { return m_viewportOrg; }
    QSize viewportExt() const { return m_viewportExt; }
    QTransform logicalToDevice() const;

    // --- text ---
    // Width of the text and the font's cell height (ascent + descent).
    QSize textExtent(const QString& text) const;
    int lineHeight() const;
    // One line with its cell's top-left at (x, y), turned by the font's escapement.
    void textOut(int x, int y, const QString& text);
    // Formatted output: CR LF ends a line, WordBreak breaks between words to
    // fit the width, lines are placed by Left/Center/Right and stacked from
    // the rectangle's top. Nothing is clipped and '&' is an ordinary
    // character. Returns the height of the text block.
    int drawText(const QRect& rect, const QString& text, unsigned format);
    // The lines drawText would output, after CR LF and word breaking.
    QStringList formatLines(const QString& text, int width, bool wordBreak) const;

    // --- shapes: rectangles are left, top, right, bottom with right and bottom exclusive ---
    void moveTo(int x, int y);
    void lineTo(int x, int y);  // the end point itself is not drawn
    QPoint currentPosition() const { return m_position; }
    void rectangle(int left, int top, int right, int bottom);
    void roundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void ellipse(int left, int top, int right, int bottom);
    void fillRect(const QRect& rect, const QColor& color);
    void setPixel(int x, int y, const QColor& color);

    // The QFont the current LOGFONT draws with (escapement not included).
    QFont qfont() const;

private:
    void applyMapping();
    void selectPen();
    void selectBrush();
    QFontMetricsF metrics() const;

    QPainter& m_painter;
    QTransform m_deviceTransform;
    LogFont m_font;
    QColor m_textColor = Qt::black;
    QColor m_bkColor = Qt::white;
    BackgroundMode m_bkMode = BackgroundMode::Opaque;
    CanvasPen m_pen;
    CanvasBrush m_brush;
    QPoint m_windowOrg{0, 0};
    QSize m_windowExt{1, 1};
    QPoint m_viewportOrg{0, 0};
    QSize m_viewportExt{1, 1};
    QPoint m_position{0, 0};
};

// Selects a font for a scope and puts the previous one back on every path.
class FontSelection {
public:
    FontSelection(Canvas& canvas, const LogFont& font) : m_canvas(canvas), m_saved(canvas.font())
    {
        canvas.setFont(font);
    }
    ~FontSelection() { m_canvas.setFont(m_saved); }
    FontSelection(const FontSelection&) = delete;
    FontSelection& operator=(const FontSelection&) = delete;

private:
    Canvas& m_canvas;
    LogFont m_saved;
};
