#include "finder/choose_camera_template.h"

#include "framework/base/translate.h"
#include "resources/resource.h"
#include "resources/template_styles.h"

using namespace template_styles;

const DialogTemplate kChooseCameraTemplate = {
    IDD_CHOOSE_CAMERA,
    TR_NOOP("Choose Camera", "Choose Camera"),
    260,
    246,
    8,
    {
        {IDC_STATIC, K::Static, kLabel, 7, 8, 30, 8, TR_NOOP("Choose Camera", "Find:")},
        {IDC_CHOOSE_FIND, K::Edit, kInputBox, 40, 6, 213, 12, ""},
        {IDC_CHOOSE_MATCHES, K::Table, WS_BORDER | WS_TABSTOP, 7, 22, 246, 110, ""},
        {IDC_STATIC, K::Static, kLabel, 7, 138, 246, 8,
         TR_NOOP("Choose Camera", "Or a camera of your own, by its sensor:")},
        {IDC_STATIC, K::Static, kLabel, 7, 152, 80, 8, TR_NOOP("Choose Camera", "Name:")},
        {IDC_CHOOSE_NAME, K::Edit, kInputBox, 90, 150, 163, 12, ""},
        {IDC_STATIC, K::Static, kLabel, 7, 168, 80, 8,
         TR_NOOP("Choose Camera", "Sensor width (mm):")},
        {IDC_CHOOSE_WIDTH, K::Edit, kInputBox, 90, 166, 50, 12, ""},
        {IDC_STATIC, K::Static, kLabel, 7, 184, 80, 8,
         TR_NOOP("Choose Camera", "Sensor height (mm):")},
        {IDC_CHOOSE_HEIGHT, K::Edit, kInputBox, 90, 182, 50, 12, ""},
        {IDC_CHOOSE_CROP, K::Static, kLabel, 146, 168, 107, 24, ""},
        {IDC_CHOOSE_REFUSAL, K::Static, kLabel, 7, 198, 246, 24, ""},
        {IDC_CHOOSE_REMOVE, K::Button, WS_TABSTOP, 7, 226, 110, 14,
         TR_NOOP("Choose Camera", "Remove")},
        {IDOK, K::Button, WS_TABSTOP, 143, 226, 110, 14, TR_NOOP("Choose Camera", "Use Camera")},
    },
    {{IDC_CHOOSE_MATCHES, 0, TR_NOOP("Choose Camera", "Matching cameras")}}};
