#pragma once
// The DOF Chart form's template, kept with it: the command line reads its labels too.

#include "framework/base/dialog_template.h"

extern const DialogTemplate kDofChartTemplate;
