#include "navigation/step_repeat.h"
