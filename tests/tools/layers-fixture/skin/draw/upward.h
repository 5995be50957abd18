// Shared drawing that reaches up into the skinned controls: the layer check must refuse it.
#pragma once

#include "skin/controls/bsButtonLook.h"
