#include "ui/icons/Icons.h"
QIcon stickwellIcon(const QString& name) { return QIcon::fromTheme(name); }
