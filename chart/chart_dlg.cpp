#include "chart/chart_dlg.h"
#include "chart/chart_template.h"

#include "chart/chart_files.h"
#include "framework/base/translate.h"
#include "framework/qt/msgbox.h"
#include "framework/qt/winapp.h"

#include <QWidget>

BEGIN_MESSAGE_MAP(CDofChartDlg, CDialog)
ON_CBN_SELCHANGE(IDC_CHART_VIEW, OnChoiceChanged)
ON_CBN_SELCHANGE(IDC_CHART_FROM, OnChoiceChanged)
ON_CBN_SELCHANGE(IDC_CHART_TO, OnChoiceChanged)
ON_CBN_EDITCHANGE(IDC_CHART_FROM, OnChoiceChanged)
ON_CBN_EDITCHANGE(IDC_CHART_TO, OnChoiceChanged)
ON_CBN_SELCHANGE(IDC_CHART_STEPS, OnChoiceChanged)
ON_EN_CHANGE(IDC_CHART_DISTANCE, OnChoiceChanged)
ON_BN_CLICKED(IDC_CHART_EXPORT_IMAGE, OnExportImageClicked)
ON_BN_CLICKED(IDC_CHART_EXPORT_PDF, OnExportPdfClicked)
ON_BN_CLICKED(IDC_CHART_PRINT, OnPrintClicked)
END_MESSAGE_MAP()

CDofChartDlg::CDofChartDlg(Lens lens, std::optional<LensRecord> owned, CWnd* parent)
    : CDialog(kDofChartTemplate, parent), m_lens(std::move(lens)), m_owned(std::move(owned)),
      m_settings(UserNumberSettings()), m_heading(MakeTableHeading(m_lens, m_settings)) {}

void CDofChartDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_CHART, m_chart);
    DDX_Control(dx, IDC_CHART_VIEW, m_cboView);
    DDX_Control(dx, IDC_CHART_DISTANCE, m_editDistance);
    DDX_Control(dx, IDC_CHART_FROM, m_cboFrom);
    DDX_Control(dx, IDC_CHART_TO, m_cboTo);
    DDX_Control(dx, IDC_CHART_STEPS, m_cboSteps);
    DDX_Control(dx, IDC_CHART_REFUSAL, m_lblRefusal);
}

// As the table opens: the whole stops f/2.8 to f/22, widened to the main
// form's aperture, and its distance.
BOOL CDofChartDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_filling = true;
    std::vector<ChoiceEntry> views;
    for (const char* text : kChartViewTexts)
        views.push_back({Utf8ToCString(Tr("DOF Chart", text)), std::nullopt});
    m_cboView.AddEntries(std::move(views));
    m_cboView.SetCurSel(0);
    ApertureLists::Fill(m_cboFrom, m_cboTo, m_cboSteps, m_lens, m_settings, m_owned);
    if (const std::optional<double> typed = m_lens.TypedDistance())
        m_editDistance.SetWindowText(Utf8ToCString(DistancesText({*typed}, m_settings)));
    m_filling = false;
    Redraw();
    return TRUE;
}

ChartRequest CDofChartDlg::Request(std::string& refusal) const {
    ChartRequest request;
    request.view = static_cast<ChartView>(std::max(0, m_cboView.GetCurSel()));
    request.table.lens = m_lens;
    const CString typed = m_editDistance.GetWindowText();
    const DistanceList distances = ReadDistances(CStringToUtf8(typed), m_settings, m_lens.Unit());
    if (distances.values.size() == 1 && distances.refusal.empty())
        request.focus = distances.values.front();
    else if (distances.values.size() > 1)
        refusal = Tr("DOF Chart", "The focus distance is one distance.");
    else if (!TrimBlanks(CStringToUtf8(typed)).empty())
        refusal = distances.refusal;
    if (std::string named = Apertures().SetColumns(request.table, m_lens, m_settings);
        !named.empty())
        refusal = std::move(named);
    return request;
}

// What the form's fields refuse is said above the chart; the chart draws
// what remains, or says in its place why it draws nothing (once: not above
// it as well).
void CDofChartDlg::Redraw() {
    if (m_filling)
        return;
    std::string refusal;
    const ChartRequest request = Request(refusal);
    m_shown = std::make_shared<const ChartDrawing>(MakeChart(request, m_settings));
    const DofChart& chart = m_shown->Chart();
    m_lblRefusal.SetWindowText(Utf8ToCString(refusal));
    m_chart.SetContent(ChartContent(chart), m_shown);
    GrowToShowGrid();
}

void CDofChartDlg::OnChoiceChanged() {
    Redraw();
}

void CDofChartDlg::OnExportImageClicked() {
    Save(Tr("DOF Chart", "Export Image"), "dof-chart.svg",
         Tr("DOF Chart", "SVG images (*.svg);;PNG images (*.png)"));
}

void CDofChartDlg::OnExportPdfClicked() {
    Save(Tr("DOF Chart", "Export PDF"), "dof-chart.pdf", Tr("DOF Chart", "PDF files (*.pdf)"));
}

void CDofChartDlg::OnPrintClicked() {
    if (!m_shown)
        return;
    if (const std::string unavailable = PrintChart(GetSafeHwnd(), m_shown->Chart(), m_heading);
        !unavailable.empty())
        MessageBox(this, Utf8ToCString(unavailable), Utf8ToCString(Tr("DOF Chart", "Print")));
}

// Asks where, then writes the file whole or not at all, in the format its
// name asks for: an image at twice the size the chart has on screen.
void CDofChartDlg::Save(const std::string& title, const std::string& name,
                        const std::string& filter) {
    if (!m_shown)
        return;
    const std::string path = AfxGetPlatform().ChooseSaveFile(title, name, filter);
    if (path.empty())
        return;
    const std::optional<ChartFormat> format = ChartFormatOf(path);
    if (!format) {
        MessageBox(this,
                   Utf8ToCString(Tr("DOF Chart", "Name the file with .svg, .png or .pdf at its "
                                                 "end: that is the format it is written in.")),
                   Utf8ToCString(title));
        return;
    }
    const QWidget* picture = m_chart.GetSafeHwnd();
    const QSize size = picture ? picture->size() : DefaultChartSize(m_shown->Chart());
    struct NotMade {}; // the format's writer refused: nothing is written over
    std::string failed;
    CFileException error;
    bool written = false;
    try {
        written = WriteWholeFile(
            path,
            [&](CFile& file) {
                failed = WriteChart(
                    m_shown->Chart(), m_heading, *format, size, Paper::OfTheLocale,
                    [&file](const char* bytes, std::size_t count) { file.Write(bytes, count); });
                if (!failed.empty())
                    throw NotMade{};
            },
            &error);
    } catch (const NotMade&) {
        MessageBox(this, Utf8ToCString(failed), Utf8ToCString(title));
        return;
    }
    if (!written)
        ReportFileError(error);
}
