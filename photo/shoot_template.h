#pragma once
// The Open Photos form's template.

#include "framework/base/dialog_template.h"

extern const DialogTemplate kShootTemplate;
