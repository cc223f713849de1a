#pragma once
// Designs built in code: the bundled examples (written by tools/make_examples)
// and the fixtures the rendering tests and benchmarks draw.

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "model/LayoutRecord.h"

class DesignObject;
class ObjectManager;

// Adds objects to the live region of a manager whose surface is at zoom 100.
class DesignBuilder {
public:
    explicit DesignBuilder(ObjectManager& manager) : m_manager(manager) {}

    DesignObject& text(const QRect& frame, const QString& text, int textStyle = 1);
    DesignObject& barCode(const QRect& frame, const QString& text, int type, bool showText = true, int barWidth = 2);
    DesignObject& arcText(const QRect& frame, const QString& text, int subStyle, int startStep);
    DesignObject& shape(char kind, const QRect& frame, int style = 0, int lineSize = 1);
    DesignObject& line(const QRect& frame, int lineType, int lineSize = 1);
    DesignObject& picture(const QRect& frame, const QImage& image);
    ObjectManager& manager() const { return m_manager; }

private:
    ObjectManager& m_manager;
};

struct ExampleDesign {
    QString fileName;  // e.g. "shapes-and-text.lpd"
    LayoutRecord layout;
    std::function<void(DesignBuilder&, ObjectManager&)> build;
};

std::vector<ExampleDesign> exampleDesigns();
// The bundled example of that file name ("picture-and-codes.lpd"); an empty design when there is none.
ExampleDesign exampleNamed(const QString& fileName);
// The same design with its pictures and background taken away.
ExampleDesign withoutPictures(ExampleDesign design);
// A flat layout of the given size in design units.
LayoutRecord exampleLayout(const QString& name, int width, int height, int stockType = 0);
// Builds a design's first region into a fresh manager (its surface sized to the layout).
void buildExample(ObjectManager& manager, const ExampleDesign& design);
// Writes a design file; false on failure.
bool writeExample(const ExampleDesign& design, const QString& path);
// A label of 30 objects of every kind, for benchmarks.
ExampleDesign busyLabel();
