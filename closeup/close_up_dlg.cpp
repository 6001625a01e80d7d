#include "closeup/close_up_dlg.h"
#include "closeup/close_up_template.h"
#include "lenses/lens_limits.h"

#include "framework/base/translate.h"
#include "framework/qt/msgbox.h"
#include "framework/qt/winapp.h"
#include "table/table_csv.h"
#include "table/table_page.h"

BEGIN_MESSAGE_MAP(CCloseUpDlg, CDialog)
ON_EN_CHANGE(IDC_CU_MAGNIFICATION, OnMagnificationChanged)
ON_EN_CHANGE(IDC_CU_DISTANCE, OnDistanceChanged)
ON_EN_CHANGE(IDC_CU_EXTENSION, OnInputChanged)
ON_EN_CHANGE(IDC_CU_PUPIL, OnInputChanged)
ON_CBN_SELCHANGE(IDC_CU_STACK_BY, OnInputChanged)
ON_EN_CHANGE(IDC_CU_NEAR, OnInputChanged)
ON_EN_CHANGE(IDC_CU_FAR, OnInputChanged)
ON_BN_CLICKED(IDC_CU_FAR_INFINITE, OnInputChanged)
ON_EN_CHANGE(IDC_CU_DEPTH, OnInputChanged)
ON_EN_CHANGE(IDC_CU_OVERLAP, OnInputChanged)
ON_BN_CLICKED(IDC_CU_PRINT, OnPrintClicked)
ON_BN_CLICKED(IDC_CU_EXPORT_PDF, OnExportPdfClicked)
ON_BN_CLICKED(IDC_CU_EXPORT_CSV, OnExportCsvClicked)
END_MESSAGE_MAP()

namespace {
// The entries of the "Stack by" list, in the order of StackBy.
const char* const kStackByTexts[] = {TR_NOOP("Close-Up and Stacking", "Refocusing the lens"),
                                     TR_NOOP("Close-Up and Stacking", "Moving on a rail")};

CString T(const char* text) {
    return Utf8ToCString(Tr("Close-Up and Stacking", text));
}

std::string Typed(const CEdit& edit) {
    return CStringToUtf8(edit.GetWindowText());
}
} // namespace

CCloseUpDlg::CCloseUpDlg(Lens lens, std::optional<LensRecord> owned, CWnd* parent)
    : CDialog(kCloseUpTemplate, parent), m_lens(std::move(lens)), m_owned(std::move(owned)),
      m_settings(UserNumberSettings()) {}

void CCloseUpDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_CU_MAGNIFICATION, m_editMagnification);
    DDX_Control(dx, IDC_CU_DISTANCE, m_editDistance);
    DDX_Control(dx, IDC_CU_EXTENSION, m_editExtension);
    DDX_Control(dx, IDC_CU_PUPIL, m_editPupil);
    DDX_Control(dx, IDC_CU_STACK_BY, m_cboStackBy);
    DDX_Control(dx, IDC_CU_NEAR, m_editNear);
    DDX_Control(dx, IDC_CU_FAR, m_editFar);
    DDX_Control(dx, IDC_CU_FAR_INFINITE, m_chkInfinite);
    DDX_Control(dx, IDC_CU_DEPTH, m_editDepth);
    DDX_Control(dx, IDC_CU_OVERLAP, m_editOverlap);
    for (std::size_t i = 0; i < kCloseUpLines; ++i)
        DDX_Control(dx, IDC_CU_SHOWN_MAGNIFICATION + static_cast<int>(i), m_results[i]);
    DDX_Control(dx, IDC_CU_WARNING, m_lblWarning);
    DDX_Control(dx, IDC_CU_SUMMARY, m_lblSummary);
    DDX_Control(dx, IDC_CU_PLAN, m_plan);
    DDX_Control(dx, IDC_CU_CHART, m_chart);
}

// The main form's distance as the subject's, no extension, the pupils
// alike, a stack by refocusing to infinity with a fifth of overlap.
BOOL CCloseUpDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_filling = true;
    std::vector<ChoiceEntry> entries;
    for (const char* text : kStackByTexts)
        entries.push_back({T(text), std::nullopt});
    m_cboStackBy.AddEntries(std::move(entries));
    m_cboStackBy.SetCurSel(0);
    m_editDistance.SetWindowText(Utf8ToCString(m_lens.distanceText));
    m_editExtension.SetWindowText(u"0");
    m_editPupil.SetWindowText(m_owned && m_owned->pupil > 0
                                  ? Utf8ToCString(FormatShortest(m_owned->pupil, 6, m_settings))
                                  : CString(u"1")); // the lens's own, when it is known
    m_editOverlap.SetWindowText(u"20");
    m_chkInfinite.SetCheck(BST_CHECKED);
    m_filling = false;
    Recompute();
    return TRUE;
}

// The magnification or the distance: the one typed last counts, the other
// is emptied.
void CCloseUpDlg::OnMagnificationChanged() {
    if (m_filling)
        return;
    if (!m_editMagnification.GetWindowText().empty() && !m_editDistance.GetWindowText().empty()) {
        m_filling = true;
        m_editDistance.SetWindowText(CString());
        m_filling = false;
    }
    Recompute();
}

void CCloseUpDlg::OnDistanceChanged() {
    if (m_filling)
        return;
    if (!m_editDistance.GetWindowText().empty() && !m_editMagnification.GetWindowText().empty()) {
        m_filling = true;
        m_editMagnification.SetWindowText(CString());
        m_filling = false;
    }
    Recompute();
}

void CCloseUpDlg::OnInputChanged() {
    if (!m_filling)
        Recompute();
}

CloseUpTyped CCloseUpDlg::TypedShot() const {
    return {Typed(m_editMagnification), Typed(m_editDistance), Typed(m_editExtension),
            Typed(m_editPupil)};
}

// What is refused, or what the shot should know: beyond the lens in use's
// own reach when nothing is put behind it, diffraction.
std::string CCloseUpDlg::Warning(const CloseUpRead& read, const CloseUpTyped& typed) const {
    if (!read.shot.refusal.empty())
        return read.shot.refusal;
    std::string warning = CloseUpWarning(read.shot, m_lens, m_settings);
    const std::string extension(TrimBlanks(typed.extension));
    if (m_owned && (extension.empty() || extension == "0"))
        if (const std::string beyond =
                BeyondReachNote(*m_owned, m_lens.focalLength, read.shot.magnification, m_settings);
            !beyond.empty())
            warning = warning.empty() ? beyond : beyond + " " + warning;
    return warning;
}

// The shot's numbers, then the plan: what is refused is said in one
// sentence where the numbers would be.
void CCloseUpDlg::Recompute() {
    const CloseUpTyped typed = TypedShot();
    const CloseUpRead read = ReadCloseUp(m_lens, typed, m_settings);
    const std::vector<std::string> texts = CloseUpTexts(read.shot, m_lens, m_settings);
    for (std::size_t i = 0; i < kCloseUpLines; ++i)
        m_results[i].SetWindowText(i < texts.size() ? Utf8ToCString(texts[i]) : CString());
    m_lblWarning.SetWindowText(Utf8ToCString(Warning(read, typed)));

    StackTyped stack;
    stack.by = m_cboStackBy.GetCurSel() == 1 ? StackBy::Rail : StackBy::Lens;
    stack.nearest = Typed(m_editNear);
    stack.farthest = Typed(m_editFar);
    stack.farIsInfinite = m_chkInfinite.GetCheck() == BST_CHECKED;
    stack.depth = Typed(m_editDepth);
    stack.overlap = Typed(m_editOverlap);
    const bool byLens = stack.by == StackBy::Lens;
    m_editNear.EnableWindow(byLens);
    m_chkInfinite.EnableWindow(byLens);
    m_editFar.EnableWindow(byLens && !stack.farIsInfinite);
    m_editDepth.EnableWindow(!byLens);
    m_shown = MakeStackPlan(m_lens, typed, stack, m_settings);
    m_lblSummary.SetWindowText(
        Utf8ToCString(m_shown.refusal.empty() ? m_shown.summary : m_shown.refusal));
    TableContent content{Utf8ToCStrings(m_shown.table.columns),
                         Utf8ToCStrings(m_shown.table.rows),
                         {},
                         -1,
                         -1,
                         CString(),
                         CString(),
                         {}};
    for (const std::vector<std::string>& row : m_shown.table.cells)
        content.cells.push_back(Utf8ToCStrings(row));
    m_plan.SetContent(content);
    DofChart chart = m_shown.chart;
    if (chart.series.empty() && chart.refusal.empty())
        chart.refusal = m_shown.refusal.empty() ? m_shown.summary : m_shown.refusal;
    if (chart.title.empty())
        chart.title = Tr("Close-Up", "Where each shot is sharp");
    auto drawing = std::make_shared<const ChartDrawing>(std::move(chart));
    PictureContent described = ChartContent(drawing->Chart());
    described.title = T(TR_NOOP("Close-Up and Stacking", "Focus stacking chart"));
    m_chart.SetContent(std::move(described), drawing);
}

void CCloseUpDlg::OnPrintClicked() {
    if (!m_shown.refusal.empty())
        return;
    if (const std::string unavailable =
            PrintTable(GetSafeHwnd(), m_shown.table, MakeTableHeading(m_lens, m_settings));
        !unavailable.empty())
        MessageBox(this, Utf8ToCString(unavailable), T(TR_NOOP("Close-Up and Stacking", "Print")));
}

void CCloseUpDlg::OnExportPdfClicked() {
    if (!m_shown.refusal.empty())
        return;
    const TablePageHeading heading = MakeTableHeading(m_lens, m_settings);
    SaveChosenFile(Tr("Close-Up and Stacking", "Export PDF"), "focus-stack.pdf",
                   Tr("DOF Table", "PDF files (*.pdf)"), [&](CFile& file) {
                       WriteTablePdf(m_shown.table, heading, Paper::OfTheLocale,
                                     [&file](const char* bytes, std::size_t count) {
                                         file.Write(bytes, count);
                                     });
                   });
}

void CCloseUpDlg::OnExportCsvClicked() {
    if (!m_shown.refusal.empty())
        return;
    SaveChosenFile(Tr("Close-Up and Stacking", "Export CSV"), "focus-stack.csv",
                   Tr("DOF Table", "CSV files (*.csv)"), [this](CFile& file) {
                       WriteStackCsv(m_shown, [&file](std::string_view piece) {
                           file.Write(piece.data(), piece.size());
                       });
                   });
}
