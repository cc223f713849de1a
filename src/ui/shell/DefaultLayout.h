#pragma once
// The layout of a new blank design: the first address label of the user's
// "Address Labels" layout file (1 x 2 5/8 in, 30 per sheet), or that stock
// built in when the file is missing.

#include "model/LayoutRecord.h"

LayoutRecord defaultLayout();
