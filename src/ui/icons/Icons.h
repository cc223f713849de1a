#pragma once
#include <QIcon>
QIcon stickwellIcon(const QString& name);
