#include "editor/inspector/screen_inspector.h"
