#include "table/table_dlg.h"
#include "table/table_template.h"

#include "framework/base/file.h"
#include "framework/base/translate.h"
#include "framework/qt/msgbox.h"
#include "framework/qt/winapp.h"
#include "lists/choice_lists.h"
#include "lists/list_fill.h"
#include "table/table_csv.h"

BEGIN_MESSAGE_MAP(CDofTableDlg, CDialog)
ON_CBN_SELCHANGE(IDC_TABLE_SHOW, OnChoiceChanged)
ON_CBN_SELCHANGE(IDC_TABLE_FROM, OnChoiceChanged)
ON_CBN_SELCHANGE(IDC_TABLE_TO, OnChoiceChanged)
ON_CBN_EDITCHANGE(IDC_TABLE_FROM, OnChoiceChanged)
ON_CBN_EDITCHANGE(IDC_TABLE_TO, OnChoiceChanged)
ON_CBN_SELCHANGE(IDC_TABLE_STEPS, OnChoiceChanged)
ON_EN_CHANGE(IDC_TABLE_DISTANCES, OnChoiceChanged)
ON_BN_CLICKED(IDC_TABLE_PRINT, OnPrintClicked)
ON_BN_CLICKED(IDC_TABLE_EXPORT_PDF, OnExportPdfClicked)
ON_BN_CLICKED(IDC_TABLE_EXPORT_CSV, OnExportCsvClicked)
END_MESSAGE_MAP()

namespace {
// The entries of the "Show" list, in the order of TableShows.
const char* const kShowTexts[] = {TR_NOOP("DOF Table", "Near and far limits"),
                                  TR_NOOP("DOF Table", "In front and behind"),
                                  TR_NOOP("DOF Table", "Total depth of field")};

CString T(const char* text) {
    return Utf8ToCString(Tr("DOF Table", text));
}

} // namespace

CDofTableDlg::CDofTableDlg(Lens lens, std::optional<LensRecord> owned, CWnd* parent)
    : CDialog(kDofTableTemplate, parent), m_lens(std::move(lens)), m_owned(std::move(owned)),
      m_settings(UserNumberSettings()), m_heading(MakeTableHeading(m_lens, m_settings)) {}

void CDofTableDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_TABLE, m_table);
    DDX_Control(dx, IDC_TABLE_SHOW, m_cboShow);
    DDX_Control(dx, IDC_TABLE_DISTANCES, m_editDistances);
    DDX_Control(dx, IDC_TABLE_FROM, m_cboFrom);
    DDX_Control(dx, IDC_TABLE_TO, m_cboTo);
    DDX_Control(dx, IDC_TABLE_STEPS, m_cboSteps);
    DDX_Control(dx, IDC_TABLE_REFUSAL, m_lblRefusal);
    DDX_Control(dx, IDC_TABLE_ROUNDING, m_lblRounding);
    DDX_Control(dx, IDC_TABLE_DIFFRACTION, m_lblDiffraction);
}

// The default table: the whole stops f/2.8 to f/22 (widened to the main
// form's aperture, which is a column of its own when typed), and the
// distances a photographer reads at a glance.
BOOL CDofTableDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_filling = true;
    std::vector<ChoiceEntry> shows;
    for (const char* text : kShowTexts)
        shows.push_back({T(text), std::nullopt});
    m_cboShow.AddEntries(std::move(shows));
    m_cboShow.SetCurSel(0);
    const auto [first, last] =
        ApertureLists::Fill(m_cboFrom, m_cboTo, m_cboSteps, m_lens, m_settings, m_owned);
    TableRequest request;
    request.lens = m_lens;
    SetApertureColumns(request, first.N, last.N, StopSteps::Whole, ChosenAperture(m_lens));
    request.typedDistance = m_lens.TypedDistance();
    m_defaultDistances =
        Utf8ToCString(DistancesText(DefaultDistances(request, m_settings, &m_cutNote), m_settings));
    m_editDistances.SetWindowText(m_defaultDistances);
    m_filling = false;
    Recompute();
    return TRUE;
}

TableRequest CDofTableDlg::Request(std::string& refusal) const {
    const CString typed = m_editDistances.GetWindowText();
    const DistanceList distances = ReadDistances(CStringToUtf8(typed), m_settings, m_lens.Unit());
    // What is refused; else, while the default rows stand, where they stop.
    refusal =
        !distances.refusal.empty() || typed != m_defaultDistances ? distances.refusal : m_cutNote;
    TableRequest request;
    request.lens = m_lens;
    request.owned = m_owned;
    request.distances = distances.values;
    request.typedDistance = m_lens.TypedDistance();
    request.shows = static_cast<TableShows>(std::max(0, m_cboShow.GetCurSel()));
    // An aperture that is neither an entry nor a number makes no columns, and is named.
    if (std::string named = Apertures().SetColumns(request, m_lens, m_settings); !named.empty())
        refusal = std::move(named);
    return request;
}

// A refused distance is left out; the rest of the table stays.
void CDofTableDlg::Recompute() {
    if (m_filling)
        return;
    std::string refusal;
    TableRequest request = Request(refusal);
    const DofTable table = MakeTable(request, m_settings);
    TableContent content{Utf8ToCStrings(table.columns),
                         Utf8ToCStrings(table.rows),
                         {},
                         table.boldRow,
                         table.boldColumn,
                         T(TR_NOOP("DOF Table", "the distance typed")),
                         T(TR_NOOP("DOF Table", "the aperture chosen")),
                         {}};
    for (const std::vector<std::string>& row : table.cells)
        content.cells.push_back(Utf8ToCStrings(row));
    m_table.SetContent(content);
    GrowToShowGrid();
    m_lblRounding.SetWindowText(Utf8ToCString(table.roundingNote));
    // The rows a close-up lens cannot reach, said beside what is refused.
    m_lblRefusal.SetWindowText(Utf8ToCString(refusal.empty() || table.closeUpNote.empty()
                                                 ? refusal + table.closeUpNote
                                                 : refusal + " " + table.closeUpNote));
    m_lblDiffraction.SetWindowText(Utf8ToCString(table.diffractionNote));
    m_shown = std::move(request);
}

void CDofTableDlg::OnChoiceChanged() {
    Recompute();
}

// Paper holds distances only up to a length; longer ones are left off it,
// and said so once the pages are made.
std::optional<DofTable> CDofTableDlg::PrintableTable(std::string& refusal) const {
    if (!m_shown)
        return std::nullopt;
    TableRequest request = *m_shown;
    refusal = KeepPrintableDistances(request);
    return MakeTable(request, m_settings);
}

void CDofTableDlg::TellRefused(const std::string& refusal) {
    if (!refusal.empty())
        MessageBox(this, Utf8ToCString(refusal), Utf8ToCString(Tr("Messages", "Validation Error")));
}

void CDofTableDlg::OnPrintClicked() {
    std::string refusal;
    if (const std::optional<DofTable> table = PrintableTable(refusal)) {
        if (const std::string unavailable = PrintTable(GetSafeHwnd(), *table, m_heading);
            !unavailable.empty())
            MessageBox(this, Utf8ToCString(unavailable), T(TR_NOOP("DOF Table", "Print")));
        TellRefused(refusal);
    }
}

void CDofTableDlg::OnExportPdfClicked() {
    std::string refusal;
    const std::optional<DofTable> table = PrintableTable(refusal);
    if (!table)
        return;
    SaveChosenFile(Tr("DOF Table", "Export PDF"), "dof-table.pdf",
                   Tr("DOF Table", "PDF files (*.pdf)"), [&](CFile& file) {
                       WriteTablePdf(*table, m_heading, Paper::OfTheLocale,
                                     [&file](const char* bytes, std::size_t count) {
                                         file.Write(bytes, count);
                                     });
                   });
    TellRefused(refusal);
}

void CDofTableDlg::OnExportCsvClicked() {
    if (m_shown)
        SaveChosenFile(Tr("DOF Table", "Export CSV"), "dof-table.csv",
                       Tr("DOF Table", "CSV files (*.csv)"), [this](CFile& file) {
                           WriteTableCsv(*m_shown, [&file](std::string_view piece) {
                               file.Write(piece.data(), piece.size());
                           });
                       });
}
