#include "search/text_search.h"
