#include "PrintData.h"

struct PrintData::Impl {};

PrintData::PrintData() : m_impl(std::make_unique<Impl>()) {}
PrintData::~PrintData() = default;

bool PrintData::open(const QString&) { return false; }
bool PrintData::active() const { return false; }
int32_t PrintData::recordCount() const { return 0; }

ObjectDrawing PrintData::drawing() { return {}; }
