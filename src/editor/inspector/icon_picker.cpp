#include "editor/inspector/icon_picker.h"
