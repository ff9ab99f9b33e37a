#include "editor/inspector/property_editors.h"
