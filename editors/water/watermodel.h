#pragma once

#include "editors/water/waterrows.h"
