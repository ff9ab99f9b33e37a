#include "editing/style_preset_manager.h"
