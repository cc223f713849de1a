#pragma once
// The bundled templates, built in code: for each, its family, category,
// name, stock (a layout from data/layouts) and the objects of every region.

#include <QString>
#include <functional>
#include <vector>

#include "model/LayoutRecord.h"

class ObjectManager;
class DesignBuilder;

struct TemplateDesign {
    QString family;    // "Standard" or "A4"
    QString category;  // "Address Labels", …
    QString name;
    QString stock;     // the start of the layout's shown name in data/layouts
    uint8_t wizardType = 0;
    // Builds region regionIndex (caption order) on a live card of the region's size.
    std::function<void(DesignBuilder&, ObjectManager&, int regionIndex, int width, int height)> build;
};

std::vector<TemplateDesign> templateDesigns();
