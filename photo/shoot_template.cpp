#include "photo/shoot_template.h"

#include "framework/base/translate.h"
#include "resources/resource.h"
#include "resources/template_styles.h"

using namespace template_styles;

const DialogTemplate kShootTemplate = {
    IDD_SHOOT,
    TR_NOOP("Photos", "Photos"),
    580,
    356,
    8,
    {
        {IDC_STATIC, K::Static, kLabel, 7, 8, 40, 8, TR_NOOP("Photos", "Sort by:")},
        {IDC_SHOOT_SORT, K::ComboBox, kList, 50, 6, 110, 120, ""},
        {IDC_SHOOT_DESCENDING, K::Check, WS_TABSTOP, 170, 7, 100, 10,
         TR_NOOP("Photos", "Descending")},
        {IDC_STATIC, K::Static, kLabel, 7, 22, 100, 8, TR_NOOP("Photos", "Photos:")},
        {IDC_SHOOT_GRID, K::Table, WS_BORDER | WS_TABSTOP, 7, 32, 566, 282, ""},
        {IDC_SHOOT_PROGRESS, K::Progress, kStyleNone, 7, 320, 566, 11, ""},
        {IDOK, K::Button, WS_TABSTOP, 7, 336, 90, 14, TR_NOOP("Photos", "Open")},
        {IDC_SHOOT_EXPORT, K::Button, WS_TABSTOP, 104, 336, 90, 14,
         TR_NOOP("Photos", "Export CSV\u2026")},
        {IDC_SHOOT_STOP, K::Button, WS_TABSTOP, 201, 336, 90, 14, TR_NOOP("Photos", "Cancel")},
        {IDCANCEL, K::Button, WS_TABSTOP, 493, 336, 80, 14, TR_NOOP("Photos", "Close")},
    },
    {}};
