#include "panels/notes_file.h"
