#include "editors/art/artmodel.h"
