#pragma once
// Numbers of the program's resources and controls.

#include <cstddef>

enum : int {
    IDR_MAINFRAME = 128, // the icon
    IDS_VERSION = 1,     // the program's version: "1.00"

    IDD_VEXTONDOFCE_DIALOG = 102,
    IDD_VEXTONDOFCE_DIALOG_WIDE = 103,
    IDD_ABOUTBOX = 130,
    IDD_OUTPUT = 131,
    IDD_CAMERA_INFO = 132,
    IDD_FOCAL_LENGTH_HELP = 133,
    IDD_APERTURE_HELP = 134,
    IDD_DISTANCE_HELP = 135,
    IDD_COFC_HELP = 136,
    IDD_DIOPTER_HELP = 137,
    IDD_DOF_TABLE = 140,
    IDD_PLAN_FOCUS = 141,
    IDD_CHOOSE_CAMERA = 142,
    IDD_PHOTO = 143,
    IDD_COC = 144,
    IDD_DOF_CHART = 145,
    IDD_OWN_CAMERA_INFO = 146,
    IDD_CLOSE_UP = 147,
    IDD_CHOOSE_LENS = 148,
    IDD_SHOOT = 149,

    // Main form
    IDC_CAMERA = 1000,
    IDC_FOCAL_LENGTH = 1001,
    IDC_APERTURE = 1002,
    IDC_UNIT = 1003,
    IDC_COFC = 1004,
    IDC_DISTANCE = 1005,
    IDC_DIOPTER = 1006,
    IDC_CALCULATE = 1007,
    IDC_ABOUT = 1008,
    IDC_FOCAL_LENGTH_DISPLAY = 1009,
    IDC_LBL_CAMERA = 1013,
    IDC_LBL_FOCAL_LENGTH = 1014,
    IDC_LBL_APERTURE = 1015,
    IDC_LBL_DISTANCE = 1016,
    IDC_LBL_COFC = 1017,
    IDC_LBL_DIOPTER = 1018,
    IDC_WIDE_PLACEHOLDER = 200,

    // Results form
    IDC_NEAR_LIMIT = 1005,
    IDC_FAR_LIMIT = 1006,
    IDC_HYPERFOCAL = 1009,
    IDC_TOTAL_DEPTH = 1010,
    IDC_COC_USED = 1011,
    IDC_MODIFIED_FOCAL_LENGTH = 1012,

    // Camera information form: boxes 1019 to 1027; for a person's own
    // camera also its maker, mount and where it came from
    IDC_CAMERA_NAME = 1019,
    IDC_CAMERA_MAKER = 1028,
    IDC_CAMERA_MOUNT = 1029,
    IDC_CAMERA_SOURCE = 1030,

    // DOF table form
    IDC_TABLE = 1100,
    IDC_TABLE_SHOW = 1101,
    IDC_TABLE_DISTANCES = 1102,
    IDC_TABLE_FROM = 1103,
    IDC_TABLE_TO = 1104,
    IDC_TABLE_PRINT = 1105,
    IDC_TABLE_EXPORT_PDF = 1106,
    IDC_TABLE_EXPORT_CSV = 1107,
    IDC_TABLE_STEPS = 1108,
    IDC_TABLE_DIFFRACTION = 1109,
    IDC_TABLE_REFUSAL = 1110,
    IDC_TABLE_ROUNDING = 1111,

    // DOF chart form
    IDC_CHART = 1600,
    IDC_CHART_VIEW = 1601,
    IDC_CHART_DISTANCE = 1602,
    IDC_CHART_FROM = 1603,
    IDC_CHART_TO = 1604,
    IDC_CHART_STEPS = 1605,
    IDC_CHART_EXPORT_IMAGE = 1606,
    IDC_CHART_EXPORT_PDF = 1607,
    IDC_CHART_PRINT = 1608,
    IDC_CHART_REFUSAL = 1609,

    // Close-Up and Stacking form: the shot's inputs, the stack's, the
    // shot's numbers, what is said, the plan and its buttons
    IDC_CU_MAGNIFICATION = 1700,
    IDC_CU_DISTANCE = 1701,
    IDC_CU_EXTENSION = 1702,
    IDC_CU_PUPIL = 1703,
    IDC_CU_STACK_BY = 1704,
    IDC_CU_NEAR = 1705,
    IDC_CU_FAR = 1706,
    IDC_CU_FAR_INFINITE = 1707,
    IDC_CU_DEPTH = 1708,
    IDC_CU_OVERLAP = 1709,
    IDC_CU_SHOWN_MAGNIFICATION = 1710, // the first of kCloseUpLines results, in order
    IDC_CU_TO_SENSOR = 1717,           // the last
    IDC_CU_WARNING = 1718,
    IDC_CU_SUMMARY = 1719,
    IDC_CU_PLAN = 1720,
    IDC_CU_CHART = 1721,
    IDC_CU_PRINT = 1722,
    IDC_CU_EXPORT_PDF = 1723,
    IDC_CU_EXPORT_CSV = 1724,

    // Choose Lens form: finding, a lens of one's own, framing
    IDC_LENS_FIND = 1800,
    IDC_LENS_MATCHES = 1801,
    IDC_LENS_NAME = 1802,
    IDC_LENS_FOCAL = 1803,
    IDC_LENS_WIDEST = 1804,
    IDC_LENS_SMALLEST = 1805,
    IDC_LENS_MIN_FOCUS = 1806,
    IDC_LENS_PUPIL = 1807,
    IDC_LENS_REFUSAL = 1808,
    IDC_LENS_REMOVE = 1809,
    IDC_LENS_NONE = 1810,
    IDC_LENS_NOW = 1811,
    IDC_LENS_SUBJECT = 1812,
    IDC_LENS_FRAMING = 1813, // the first of kFramingLines lines, in order
    IDC_LENS_NOTE = 1819,    // the results form's note on the lens

    // Plan Focus form: the inputs, the results and what is refused
    IDC_PLAN_NEAR = 1200,
    IDC_PLAN_FAR = 1201,
    IDC_PLAN_FAR_INFINITE = 1202,
    IDC_PLAN_BACKGROUND = 1203,
    IDC_PLAN_FOCUS_AT = 1210,
    IDC_PLAN_APERTURE = 1211,
    IDC_PLAN_SHARP_RANGE = 1212,
    IDC_PLAN_DIFFRACTION = 1213,
    IDC_PLAN_SHARPEST = 1214,
    IDC_PLAN_BACKGROUND_BLUR = 1215,
    IDC_PLAN_BACKGROUND_CIRCLES = 1216,
    IDC_PLAN_REFUSAL = 1220,

    // Choose Camera form: finding one, its matches, one by its sensor
    IDC_CHOOSE_FIND = 1300,
    IDC_CHOOSE_MATCHES = 1301,
    IDC_CHOOSE_NAME = 1302,
    IDC_CHOOSE_WIDTH = 1303,
    IDC_CHOOSE_HEIGHT = 1304,
    IDC_CHOOSE_CROP = 1305,
    IDC_CHOOSE_REMOVE = 1306,
    IDC_CHOOSE_REFUSAL = 1307,

    // Photo form: the file, the values it records, the depth of field of
    // that shot, what it does not record
    IDC_PHOTO_FILE = 1400,
    IDC_PHOTO_FIRST_VALUE = 1401, // to 1409
    IDC_PHOTO_NEAR = 1410,
    IDC_PHOTO_FAR = 1411,
    IDC_PHOTO_TOTAL = 1412,
    IDC_PHOTO_HYPERFOCAL = 1413,
    IDC_PHOTO_MISSING = 1414,
    IDC_PHOTO_TYPED = 1415, // a focus distance typed for the photo
    IDC_PHOTO_ZONES = 1416, // focused at 1, 2, 3, 5, 10 m and infinity

    // Open Photos form: the photos' grid, its order, how far the reading is
    IDC_SHOOT_GRID = 1900,
    IDC_SHOOT_SORT = 1901,
    IDC_SHOOT_DESCENDING = 1902,
    IDC_SHOOT_PROGRESS = 1903,
    IDC_SHOOT_STOP = 1904,
    IDC_SHOOT_EXPORT = 1905,

    // Circle of Confusion form: where it comes from, a print, pixels, a
    // convention, the result
    IDC_COC_FROM = 1500,
    IDC_COC_PRINT = 1501,
    IDC_COC_VIEWING = 1502,
    IDC_COC_EYESIGHT = 1503,
    IDC_COC_VIEWING_STEP = 1504,
    IDC_COC_BLUR_STEP = 1505,
    IDC_COC_ENLARGEMENT_STEP = 1506,
    IDC_COC_PIXELS = 1510,
    IDC_COC_PITCH = 1511,
    IDC_COC_FACTOR = 1512,
    IDC_COC_PITCH_STEP = 1513,
    IDC_COC_CONVENTION = 1515,
    IDC_COC_ON_SENSOR = 1516,
    IDC_COC_EQUIVALENT = 1517,
    IDC_COC_REFUSAL = 1518,
    IDC_COC_CAMERA = 1519,

    // Menu commands
    ID_FILE_DOF_TABLE = 32771,
    ID_FILE_PLAN_FOCUS = 32773,
    ID_FILE_CHOOSE_CAMERA = 32775,
    ID_FILE_OPEN_PHOTO = 32776,
    ID_FILE_COC = 32777,
    ID_FILE_DOF_CHART = 32778,
    ID_FILE_CLOSE_UP = 32779,
    ID_FILE_CHOOSE_LENS = 32780,
    ID_FILE_OPEN_PHOTOS = 32781,
    ID_FILE_OPEN_NAMED = 32782, // the photos named when the program was started
    ID_HELP_FIELD = 32772,

    IDOK_SECOND = 8, // the second command that acts as OK on the main form
};

// The about form's lines that the program fills, by their place in its
// template (its statics share one id).
inline constexpr std::size_t kAboutVersionLine = 2;
inline constexpr std::size_t kAboutSystemLine = 4;
