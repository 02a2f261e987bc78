#pragma once
// The text conversions moved beside the widgets, which use them too.
#include "widgets/Conversioni.h"
