#include "ui/help/UserGuide.h"
QString userGuideIndexPath() { return {}; }
bool openUserGuide() { return false; }
