#include "editor/inspector/style_preset_sheets.h"
