#include "ui/designwindow/DesignSurface.h"
DesignSurface::DesignSurface(DesignEditor& editor, QObject* parent) : QObject(parent), m_editor(editor) {}
DesignSurface::~DesignSurface() = default;
void DesignSurface::applyOptions(const Options& options) { m_options = options; }
int DesignSurface::setZoom(int value, bool relative) { m_editor.zoom = relative ? m_editor.zoom + value : value; emit zoomChanged(m_editor.zoom); return m_editor.zoom; }
void DesignSurface::setActiveTool(Tool tool) { m_tool = tool; emit toolChanged(tool); }
bool DesignSurface::selectionLocked() const { return false; }
void DesignSurface::selectAll() { m_editor.clearSelection(); for (auto& c : m_editor.panel.controls()) m_editor.select(c.get()); emit selectionChanged(); }
void DesignSurface::selectNone() { m_editor.clearSelection(); emit selectionChanged(); }
void DesignSurface::selectOnly(ObjectControl* control) { m_editor.clearSelection(); m_editor.select(control); emit selectionChanged(); }
void DesignSurface::contentChangedOutside() { emit contentChanged(); emit selectionChanged(); }
void DesignSurface::mousePress(QPoint, Qt::MouseButton, Qt::KeyboardModifiers) {}
void DesignSurface::mouseMove(QPoint, Qt::MouseButtons) {}
void DesignSurface::mouseRelease(QPoint, Qt::MouseButton) {}
void DesignSurface::mouseDoubleClick(QPoint) {}
bool DesignSurface::keyPress(int, Qt::KeyboardModifiers) { return false; }
