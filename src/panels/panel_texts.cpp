#include "panels/panel_texts.h"
