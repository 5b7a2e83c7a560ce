#include "editors/water/watermodel.h"
