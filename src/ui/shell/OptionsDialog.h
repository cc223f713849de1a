#pragma once
class QWidget;
bool editOptions(QWidget* parent);
