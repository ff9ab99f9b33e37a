#include "editor/inspector/component_inspector.h"
