#pragma once
// The layout commands' work on documents, without widgets: a design moved
// onto another layout, and a design's own layout rewritten.

#include <memory>

class DesignDocument;
struct LayoutRecord;

// A new untitled document on the layout carrying regions 0 and 1 (and 2 when
// both layouts have it) of the old one: objects, margins and background. The
// old document is left as it was. Null after showing why the layout cannot
// hold a design.
std::unique_ptr<DesignDocument> designOnLayout(DesignDocument& from, const LayoutRecord& layout, int untitledNumber);

// The document takes the edited record; its card the new region size and the
// stock's outline, as one undoable step.
void applyEditedLayout(DesignDocument& document, const LayoutRecord& layout);
