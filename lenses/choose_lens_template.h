#pragma once
#include "framework/base/dialog_template.h"

// The Choose Lens form's template; the command line reads the labels of
// its framing from it.
extern const DialogTemplate kChooseLensTemplate;
