#include "editor/inspector/background_selector.h"
