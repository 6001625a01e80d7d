#pragma once
#include "framework/base/dialog_template.h"

// The Close-Up and Stacking form's template; the command line reads the
// labels of its results from it.
extern const DialogTemplate kCloseUpTemplate;
