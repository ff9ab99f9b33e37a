#include "editor/inspector/transition_preview.h"
