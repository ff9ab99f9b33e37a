#pragma once
// A model header that reaches up into the editor: the layer check must refuse it.
#include "editor/editor_window.h"
