#include "editor/inspector/inspector_section.h"
