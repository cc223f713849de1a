#pragma once

#include "LayoutFixtures.h"
#include "model/DesignEditor.h"
#include "BitmapFixtures.h"
