#pragma once
// Saves a painter's state and restores it however a drawing step ends, so a
// step that throws leaves the painter as it found it.

#include <QPainter>

class PainterStateGuard {
public:
    explicit PainterStateGuard(QPainter& painter) : m_painter(painter) { m_painter.save(); }
    ~PainterStateGuard() { m_painter.restore(); }
    PainterStateGuard(const PainterStateGuard&) = delete;
    PainterStateGuard& operator=(const PainterStateGuard&) = delete;

private:
    QPainter& m_painter;
};
