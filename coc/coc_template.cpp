#include "coc/coc_template.h"

#include "framework/base/translate.h"
#include "resources/resource.h"
#include "resources/template_styles.h"

using namespace template_styles;

const DialogTemplate kCocTemplate = {
    IDD_COC,
    TR_NOOP("Circle of Confusion", "Circle of Confusion"),
    260,
    268,
    8,
    {
        {IDC_COC_CAMERA, K::Static, kLabel, 7, 7, 246, 8, ""},
        {IDC_STATIC, K::Static, kLabel, 7, 22, 60, 8, TR_NOOP("Circle of Confusion", "From:")},
        {IDC_COC_FROM, K::ComboBox, kList, 70, 20, 183, 60, ""},
        {IDC_STATIC, K::Static, kLabel, 7, 40, 60, 8,
         TR_NOOP("Circle of Confusion", "Print or screen:")},
        {IDC_COC_PRINT, K::ComboBox, kList, 70, 38, 120, 80, ""},
        {IDC_STATIC, K::Static, kLabel, 7, 56, 60, 8, TR_NOOP("Circle of Confusion", "Seen from:")},
        {IDC_COC_VIEWING, K::Edit, kInputBox, 70, 54, 60, 12, ""},
        {IDC_STATIC, K::Static, kLabel, 134, 56, 119, 8,
         TR_NOOP("Circle of Confusion", "empty: its diagonal")},
        {IDC_STATIC, K::Static, kLabel, 7, 72, 60, 8, TR_NOOP("Circle of Confusion", "Eyesight:")},
        {IDC_COC_EYESIGHT, K::ComboBox, kList, 70, 70, 183, 60, ""},
        {IDC_COC_VIEWING_STEP, K::Static, kLabel, 7, 87, 246, 8, ""},
        {IDC_COC_BLUR_STEP, K::Static, kLabel, 7, 97, 246, 8, ""},
        {IDC_COC_ENLARGEMENT_STEP, K::Static, kLabel, 7, 107, 246, 16, ""},
        {IDC_STATIC, K::Static, kLabel, 7, 130, 60, 8,
         TR_NOOP("Circle of Confusion", "Pixels across:")},
        {IDC_COC_PIXELS, K::Edit, kInputBox, 70, 128, 60, 12, ""},
        {IDC_STATIC, K::Static, kLabel, 7, 146, 60, 8,
         TR_NOOP("Circle of Confusion", "Or pitch (\u00B5m):")},
        {IDC_COC_PITCH, K::Edit, kInputBox, 70, 144, 60, 12, ""},
        {IDC_STATIC, K::Static, kLabel, 7, 162, 60, 8, TR_NOOP("Circle of Confusion", "Factor:")},
        {IDC_COC_FACTOR, K::ComboBox, kList, 70, 160, 80, 60, ""},
        {IDC_COC_PITCH_STEP, K::Static, kLabel, 7, 177, 246, 8, ""},
        {IDC_STATIC, K::Static, kLabel, 7, 192, 60, 8,
         TR_NOOP("Circle of Confusion", "Convention:")},
        {IDC_COC_CONVENTION, K::ComboBox, kList, 70, 190, 183, 60, ""},
        {IDC_STATIC, K::Static, kLabel, 7, 208, 80, 8,
         TR_NOOP("Circle of Confusion", "On the sensor:")},
        {IDC_COC_ON_SENSOR, K::Static, kLabel, 90, 208, 163, 8, ""},
        {IDC_STATIC, K::Static, kLabel, 7, 218, 80, 8,
         TR_NOOP("Circle of Confusion", "For 36 \u00D7 24 mm:")},
        {IDC_COC_EQUIVALENT, K::Static, kLabel, 90, 218, 163, 8, ""},
        {IDC_COC_REFUSAL, K::Static, kLabel, 7, 230, 246, 16, ""},
        {IDOK, K::Button, WS_TABSTOP, 133, 249, 60, 14, TR_NOOP("Circle of Confusion", "Use")},
        {IDCANCEL, K::Button, WS_TABSTOP, 197, 249, 56, 14,
         TR_NOOP("Circle of Confusion", "Cancel")},
    },
    {}};
