#include "editor/inspector/inspector_rules.h"
