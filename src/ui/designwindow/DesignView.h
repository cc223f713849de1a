#pragma once
#include <QWidget>
class DesignSurface;
class DesignView : public QWidget {
    Q_OBJECT
public:
    explicit DesignView(DesignSurface& surface, QWidget* parent = nullptr);
};
