#include "app/loader.h"
