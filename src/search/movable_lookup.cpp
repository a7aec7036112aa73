#include "search/movable_lookup.h"
