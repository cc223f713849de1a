#pragma once
// A design file built from its JSON description (the shape `info` writes,
// DesignJsonShape.h): the inverse of describeDesignFile.

#include <QByteArray>
#include <QString>

struct DesignBuildResult {
    QByteArray bytes;  // the design file; empty when the description was refused
    QString error;     // "regions[0].objects[2].left: expected an integer from ..." on refusal

    bool ok() const { return error.isEmpty(); }
};

// Treats the text as hostile: the first missing key, wrong type, value out of
// range or unknown object kind refuses the whole description.
DesignBuildResult buildDesignFromJson(const QByteArray& json);
