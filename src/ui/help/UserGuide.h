#pragma once
#include <QString>
QString userGuideIndexPath();
bool openUserGuide();
