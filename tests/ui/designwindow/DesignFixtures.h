#pragma once
// A design editor with a 400 × 300 card and a surface over it, for the
// design window tests.

#include <QRect>

#include "model/DesignEditor.h"
#include "model/ObjectData.h"
#include "model/Options.h"
#include "ui/designwindow/DesignSurface.h"

struct SurfaceFixture {
    explicit SurfaceFixture(Options opts = quietOptions())
    {
        editor.panel.setRegionSize(400, 300);
        surface.applyOptions(opts);
    }

    // Snapping off and SelectReturn on: the program's defaults.
    static Options quietOptions() { return Options{}; }

    ObjectControl* box(const QRect& rect, bool locked = false)
    {
        ObjectControl* control = editor.manager.createBox(rect.x(), rect.y());
        control->setBounds(rect.x(), rect.y(), rect.width(), rect.height());
        if (locked)
            control->data()->flags |= ObjectFlags::Locked;
        return control;
    }

    void click(QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        surface.mousePress(at, Qt::LeftButton, modifiers);
        surface.mouseRelease(at, Qt::LeftButton);
    }

    void drag(QPoint from, QPoint to)
    {
        surface.mousePress(from, Qt::LeftButton, Qt::NoModifier);
        surface.mouseMove(to, Qt::LeftButton);
        surface.mouseRelease(to, Qt::LeftButton);
    }

    int undoCount() { return editor.manager.undoHistory().undoCount(); }

    DesignEditor editor;
    DesignSurface surface{editor};
};
