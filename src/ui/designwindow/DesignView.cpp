#include "ui/designwindow/DesignView.h"
DesignView::DesignView(DesignSurface&, QWidget* parent) : QWidget(parent) {}
