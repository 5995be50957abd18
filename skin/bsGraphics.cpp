#include "skin/bsGraphics.h"
