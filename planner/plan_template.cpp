#include "planner/plan_template.h"

#include "framework/base/translate.h"
#include "resources/resource.h"
#include "resources/template_styles.h"

using namespace template_styles;

const DialogTemplate kPlanFocusTemplate = {
    IDD_PLAN_FOCUS,
    TR_NOOP("Plan Focus", "Plan Focus"),
    240,
    282,
    8,
    {
        {IDC_STATIC, K::Static, kLabel, 7, 8, 86, 8, TR_NOOP("Plan Focus", "Nearest sharp point:")},
        {IDC_PLAN_NEAR, K::Edit, kInputBox, 96, 6, 70, 12, ""},
        {IDC_STATIC, K::Static, kLabel, 7, 24, 86, 8,
         TR_NOOP("Plan Focus", "Farthest sharp point:")},
        {IDC_PLAN_FAR, K::Edit, kInputBox, 96, 22, 70, 12, ""},
        {IDC_PLAN_FAR_INFINITE, K::Check, WS_TABSTOP, 172, 23, 60, 10,
         TR_NOOP("Plan Focus", "Infinity")},
        {IDC_STATIC, K::Static, kLabel, 7, 40, 86, 8, TR_NOOP("Plan Focus", "Background at:")},
        {IDC_PLAN_BACKGROUND, K::Edit, kInputBox, 96, 38, 70, 12, ""},
        {IDC_PLAN_REFUSAL, K::Static, kLabel, 7, 55, 226, 26, ""},
        {IDC_STATIC, K::Static, kLabel, 7, 84, 226, 8, TR_NOOP("Plan Focus", "Focus at:")},
        {IDC_PLAN_FOCUS_AT, K::Edit, kResultBox, 7, 93, 226, 12, ""},
        {IDC_STATIC, K::Static, kLabel, 7, 110, 226, 8, TR_NOOP("Plan Focus", "Aperture needed:")},
        {IDC_PLAN_APERTURE, K::Edit, kResultBox, 7, 119, 226, 12, ""},
        {IDC_STATIC, K::Static, kLabel, 7, 136, 226, 8,
         TR_NOOP("Plan Focus", "Sharp from \u2013 to:")},
        {IDC_PLAN_SHARP_RANGE, K::Edit, kResultBox, 7, 145, 226, 12, ""},
        {IDC_STATIC, K::Static, kLabel, 7, 162, 226, 8, TR_NOOP("Plan Focus", "Diffraction:")},
        {IDC_PLAN_DIFFRACTION, K::Edit, kResultBox, 7, 171, 226, 12, ""},
        {IDC_STATIC, K::Static, kLabel, 7, 188, 226, 8,
         TR_NOOP("Plan Focus", "Sharpest aperture (estimate):")},
        {IDC_PLAN_SHARPEST, K::Edit, kResultBox, 7, 197, 226, 12, ""},
        {IDC_STATIC, K::Static, kLabel, 7, 214, 226, 8,
         TR_NOOP("Plan Focus", "Background blur on the sensor:")},
        {IDC_PLAN_BACKGROUND_BLUR, K::Edit, kResultBox, 7, 223, 226, 12, ""},
        {IDC_STATIC, K::Static, kLabel, 7, 240, 226, 8,
         TR_NOOP("Plan Focus", "Background blur, in circles of confusion:")},
        {IDC_PLAN_BACKGROUND_CIRCLES, K::Edit, kResultBox, 7, 249, 226, 12, ""},
    },
    {}};
