// A portable core that reaches up into the program: the layer check must refuse it.
#pragma once

#include "app/programstate.h"
