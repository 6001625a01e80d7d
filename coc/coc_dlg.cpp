#include "coc/coc_dlg.h"
#include "coc/coc_template.h"

#include "calc/number_text.h"
#include "framework/base/translate.h"
#include "framework/qt/winapp.h"

BEGIN_MESSAGE_MAP(CCocDlg, CDialog)
ON_CBN_SELCHANGE(IDC_COC_FROM, OnChanged)
ON_CBN_SELCHANGE(IDC_COC_PRINT, OnChanged)
ON_CBN_EDITCHANGE(IDC_COC_PRINT, OnChanged)
ON_CBN_SELCHANGE(IDC_COC_EYESIGHT, OnChanged)
ON_CBN_SELCHANGE(IDC_COC_FACTOR, OnChanged)
ON_CBN_SELCHANGE(IDC_COC_CONVENTION, OnConventionChosen)
ON_EN_CHANGE(IDC_COC_VIEWING, OnChanged)
ON_EN_CHANGE(IDC_COC_PIXELS, OnChanged)
ON_EN_CHANGE(IDC_COC_PITCH, OnChanged)
END_MESSAGE_MAP()

namespace {
// The ways, in the order of the "From" list.
enum From { kFromPrint, kFromPixels, kFromConvention };
const char* const kFromTexts[] = {TR_NOOP("Circle of Confusion", "A print seen by eye"),
                                  TR_NOOP("Circle of Confusion", "Sharp to the pixel"),
                                  TR_NOOP("Circle of Confusion", "A convention")};

std::vector<ChoiceEntry> Entries(const std::vector<std::string>& texts) {
    std::vector<ChoiceEntry> out;
    for (const std::string& text : texts)
        out.push_back({Utf8ToCString(text), std::nullopt});
    return out;
}

// A number as the person typed it, in their number settings; none unless positive.

// A whole number as a person types it: no thousands separators.
std::string Whole(double v) {
    return FormatFixed(v, 0);
}

std::string Line(const CocLines& lines, std::size_t i) {
    return i < lines.size() ? StepText(lines[i]) : std::string();
}
} // namespace

CCocDlg::CCocDlg(std::string cameraName, CocCamera camera, std::optional<double> pixelWidth,
                 CWnd* parent)
    : CDialog(kCocTemplate, parent), m_cameraName(std::move(cameraName)), m_camera(camera),
      m_pixelWidth(pixelWidth) {}

void CCocDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_COC_FROM, m_cboFrom);
    DDX_Control(dx, IDC_COC_PRINT, m_cboPrint);
    DDX_Control(dx, IDC_COC_VIEWING, m_editViewing);
    DDX_Control(dx, IDC_COC_EYESIGHT, m_cboEyesight);
    DDX_Control(dx, IDC_COC_VIEWING_STEP, m_lblViewing);
    DDX_Control(dx, IDC_COC_BLUR_STEP, m_lblBlur);
    DDX_Control(dx, IDC_COC_ENLARGEMENT_STEP, m_lblEnlargement);
    DDX_Control(dx, IDC_COC_PIXELS, m_editPixels);
    DDX_Control(dx, IDC_COC_PITCH, m_editPitch);
    DDX_Control(dx, IDC_COC_FACTOR, m_cboFactor);
    DDX_Control(dx, IDC_COC_PITCH_STEP, m_lblPitch);
    DDX_Control(dx, IDC_COC_CONVENTION, m_cboConvention);
    DDX_Control(dx, IDC_COC_ON_SENSOR, m_lblOnSensor);
    DDX_Control(dx, IDC_COC_EQUIVALENT, m_lblEquivalent);
    DDX_Control(dx, IDC_COC_REFUSAL, m_lblRefusal);
    DDX_Control(dx, IDC_COC_CAMERA, m_lblCamera);
}

// A 20 × 30 cm print seen from its diagonal by normal eyes, two of the
// camera's pixels where its width in pixels is known, d/1500.
BOOL CCocDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    const NumberSettings settings = UserNumberSettings();
    m_lblCamera.SetWindowText(
        Utf8ToCString(Arg(Tr("Circle of Confusion", "For %1"),
                          {CameraStep(m_cameraName, m_camera, settings).second})));
    std::vector<std::string> from, prints, eyes, conventions;
    for (const char* text : kFromTexts)
        from.push_back(Tr("Circle of Confusion", text));
    for (const PrintSize& print : CommonPrints())
        prints.push_back(ShownPrintName(print));
    for (const Eyesight& e : Eyesights())
        eyes.push_back(Tr("Circle of Confusion", e.name));
    for (const double divisor : kConventions)
        conventions.push_back(
            Arg(Tr("Circle of Confusion", "d/%1, a convention"), {Whole(divisor)}));
    m_cboFrom.AddEntries(Entries(from));
    m_cboPrint.AddEntries(Entries(prints));
    m_cboEyesight.AddEntries(Entries(eyes));
    m_cboFactor.AddEntries(Entries({Arg(Tr("Circle of Confusion", "%1 pixel"), {"1"}),
                                    Arg(Tr("Circle of Confusion", "%1 pixels"), {"2"})}));
    m_cboConvention.AddEntries(Entries(conventions));
    m_cboFrom.SetCurSel(kFromPrint);
    m_cboPrint.SetCurSel(2); // 20 × 30 cm
    m_cboEyesight.SetCurSel(0);
    m_cboFactor.SetCurSel(kPixelsAcross - 1); // "1 pixel", "2 pixels"
    m_cboConvention.SetCurSel(0);
    if (m_pixelWidth)
        m_editPixels.SetWindowText(Utf8ToCString(Whole(*m_pixelWidth)));
    OnChanged();
    return TRUE;
}

void CCocDlg::OnChanged() {
    m_result.clear();
    for (CStatic* step : {&m_lblViewing, &m_lblBlur, &m_lblEnlargement, &m_lblPitch, &m_lblOnSensor,
                          &m_lblEquivalent, &m_lblRefusal})
        step->SetWindowText(CString());
    const int from = m_cboFrom.GetCurSel();
    for (CWnd* control : std::initializer_list<CWnd*>{&m_cboPrint, &m_editViewing, &m_cboEyesight})
        control->EnableWindow(from == kFromPrint);
    for (CWnd* control : std::initializer_list<CWnd*>{&m_editPixels, &m_editPitch, &m_cboFactor})
        control->EnableWindow(from == kFromPixels);
    if (from == kFromPrint)
        ShowPrint();
    else if (from == kFromPixels)
        ShowPixels();
    else if (from == kFromConvention)
        ShowConvention();
}

// A convention is one pick away: choosing one makes it the way.
void CCocDlg::OnConventionChosen() {
    m_cboFrom.SetCurSel(kFromConvention);
    OnChanged();
}

void CCocDlg::ShowPrint() {
    const std::optional<PrintSize> print =
        ReadPrintSize(m_cboPrint.GetWindowTextUtf8(), UserNumberSettings());
    if (!print)
        return Refuse(Tr("Circle of Confusion",
                         "The print's size is not one of the list nor a size such "
                         "as 20x30cm or 8x10in."));
    const bool viewingEmpty =
        m_editViewing.GetWindowTextUtf8().find_first_not_of(' ') == std::string::npos;
    const std::optional<double> viewing =
        viewingEmpty ? std::optional<double>(0)
                     : ReadViewingDistance(m_editViewing.GetWindowTextUtf8(), UserNumberSettings());
    if (!viewing)
        return Refuse(Tr("Circle of Confusion",
                         "The viewing distance must be a distance such as 36 cm or 14 in."));
    const Eyesight& eyes =
        Eyesights()[static_cast<std::size_t>(std::max(0, m_cboEyesight.GetCurSel()))];
    const CocFromPrint c = CocOfPrint(m_camera, *print, *viewing, eyes.linePairs);
    const CocLines lines = PrintSteps(m_camera, *print, eyes, c, UserNumberSettings());
    m_lblViewing.SetWindowText(Utf8ToCString(Line(lines, 1)));
    m_lblBlur.SetWindowText(Utf8ToCString(Line(lines, 3)));
    m_lblEnlargement.SetWindowText(Utf8ToCString(Line(lines, 4)));
    ShowResult(c.onSensorMm, c.equivalentMm);
}

void CCocDlg::ShowPixels() {
    const bool pitchGiven =
        m_editPitch.GetWindowTextUtf8().find_first_not_of(' ') != std::string::npos;
    std::optional<double> pitch, width;
    if (pitchGiven) {
        pitch = ReadPixelPitch(m_editPitch.GetWindowTextUtf8(), UserNumberSettings());
        if (!pitch)
            return Refuse(Tr("Circle of Confusion",
                             "The pixel pitch must be a positive number of micrometres."));
    } else {
        width = ReadPixelCount(m_editPixels.GetWindowTextUtf8());
        if (!width)
            return Refuse(Tr("Circle of Confusion",
                             "Give the sensor's width in pixels, or the pixel pitch."));
        pitch = PitchOfPixels(m_camera, *width);
    }
    const double factor = m_cboFactor.GetCurSel() == 0 ? 1 : 2;
    const CocFromPixels c = CocOfPixels(m_camera, *pitch, factor);
    m_lblPitch.SetWindowText(
        Utf8ToCString(Line(PixelSteps(m_camera, width, factor, c, UserNumberSettings()), 0)));
    ShowResult(c.onSensorMm, c.equivalentMm);
}

void CCocDlg::ShowConvention() {
    const int i = std::max(0, m_cboConvention.GetCurSel());
    const double onSensor = CocOfConvention(m_camera, kConventions[i]);
    const ListedCoc listed = ListedCocOf(m_camera, onSensor);
    ShowResult(listed.onSensorMm, listed.equivalentMm);
}

void CCocDlg::ShowResult(double onSensorMm, double equivalentMm) {
    if (const std::string refusal = CocRefusal(onSensorMm, equivalentMm, UserNumberSettings());
        !refusal.empty())
        return Refuse(refusal);
    const NumberSettings settings = UserNumberSettings();
    const auto mm = [&settings](double v) {
        return Utf8ToCString(FixedIn(v, 6, settings) + " mm");
    };
    m_lblOnSensor.SetWindowText(mm(onSensorMm));
    m_lblEquivalent.SetWindowText(mm(equivalentMm));
    m_result = CocValueText(equivalentMm);
}

void CCocDlg::Refuse(const std::string& sentence) {
    m_lblRefusal.SetWindowText(Utf8ToCString(sentence));
}

// Only a circle worked out is used; otherwise the form says why and stays.
void CCocDlg::OnOK() {
    if (m_result.empty()) {
        if (m_lblRefusal.GetWindowTextUtf8().empty())
            Refuse(Tr("Circle of Confusion", "Choose where the circle of confusion comes from."));
        return;
    }
    CDialog::OnOK();
}
