#include "editor/inspector/inspector_palette.h"
