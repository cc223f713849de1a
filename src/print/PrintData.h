#pragma once
// The merge data of a print run and the object drawing that resolves each
// element's counters, lists and fields with it.

#include <QString>
#include <memory>

#include "print/ElementDrawer.h"

class PrintData {
public:
    PrintData();
    ~PrintData();
    PrintData(const PrintData&) = delete;
    PrintData& operator=(const PrintData&) = delete;

    // Opens a linked data source; false when it cannot be read.
    bool open(const QString& path);
    bool active() const;
    int32_t recordCount() const;

    // Draws objects with the element's numbers and this data (none when not open).
    ObjectDrawing drawing();

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
