#pragma once
// A design editor with a 400 × 300 card and a surface over it, for the
// design window tests.

#include <QRect>

#include "model/DesignEditor.h"
#include "model/DesignObject.h"
#include "model/Options.h"
#include "ui/designwindow/DesignSurface.h"

struct SurfaceFixture {
    explicit SurfaceFixture(Options opts = quietOptions())
    {
        editor.card().setRegionSize(400, 300);
        surface.applyOptions(opts);
    }

    // Snapping off and SelectReturn on: the program's defaults.
    static Options quietOptions() { return Options{}; }

    // Put straight on the card, like a design read from a file: no undo step.
    DesignObject* box(const QRect& rect, bool locked = false)
    {
        DesignObject* object = editor.manager().createBox(rect.x(), rect.y());
        object->setRect(rect);
        if (locked)
            object->flags |= ObjectFlags::Locked;
        return object;
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

    // Steps that Undo can take back.
    int undoCount() { return editor.undoStack().index(); }

    DesignEditor editor;
    DesignSurface surface{editor};
};
