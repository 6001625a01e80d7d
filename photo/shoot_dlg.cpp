#include "photo/shoot_dlg.h"
#include "photo/shoot_template.h"

#include "calc/number_text.h"
#include "framework/base/afx.h"
#include "framework/base/cstring.h"
#include "framework/base/translate.h"
#include "framework/qt/msgbox.h"
#include "framework/qt/winapp.h"
#include "photo/photo_csv.h"

#include <algorithm>
#include <chrono>

BEGIN_MESSAGE_MAP(CShootDlg, CDialog)
ON_CBN_SELCHANGE(IDC_SHOOT_SORT, OnSortChanged)
ON_BN_CLICKED(IDC_SHOOT_DESCENDING, OnSortChanged)
ON_CONTROL(LVN_COLUMNCLICK, IDC_SHOOT_GRID, OnHeaderClicked)
ON_CONTROL(NM_DBLCLK, IDC_SHOOT_GRID, OnOK)
ON_BN_CLICKED(IDC_SHOOT_STOP, OnStopClicked)
ON_BN_CLICKED(IDC_SHOOT_EXPORT, OnExportClicked)
ON_WM_TIMER()
END_MESSAGE_MAP()

namespace {
constexpr UINT_PTR kReadingTimer = 1;
// Photos read between two looks at the person's input: a few milliseconds
// of the reader's work (which reads ahead meanwhile), so that a key is
// answered at once.
constexpr std::size_t kReadAtOnce = 16;
// How often the rows read are shown: often enough to watch them come,
// seldom enough that painting them costs the reading little.
constexpr std::chrono::milliseconds kShowEvery{100};

CString T(const char* text) {
    return Utf8ToCString(Tr("Open Photos", text));
}
} // namespace

CShootDlg::CShootDlg(ShootOpening opening, CWnd* parent)
    : CDialog(kShootTemplate, parent), m_opening(std::move(opening)),
      m_cameras(*m_opening.settings, m_opening.ownCameras) {}

void CShootDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_SHOOT_GRID, m_grid);
    DDX_Control(dx, IDC_SHOOT_SORT, m_cboSort);
    DDX_Control(dx, IDC_SHOOT_DESCENDING, m_chkDescending);
    DDX_Control(dx, IDC_SHOOT_STOP, m_btnStop);
    DDX_Control(dx, IDC_SHOOT_PROGRESS, m_progress);
}

// The sort list offers the reading order, then each column; the photos are
// read as the form stands open.
BOOL CShootDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDefID(IDOK); // Enter opens the row
    std::vector<ChoiceEntry> orders{{T(TR_NOOP("Open Photos", "Order read")), std::string("-1")}};
    for (int c = 0; c < kShootColumnCount; ++c)
        orders.push_back({T(kShootColumnHeaders[c]), std::to_string(c)});
    m_cboSort.AddEntries(std::move(orders));
    m_cboSort.SetDropDownRows(kShootColumnCount + 1); // every order at once
    m_cboSort.SetCurSel(0);
    m_source = OpenPhotoReader();
    ShowInOrder();
    ShowProgress();
    SetTimer(kReadingTimer, 0);
    return TRUE;
}

// A few photos more, each into a row at the end of the grid.
void CShootDlg::ReadSome() {
    const std::vector<std::string>& files = m_opening.files;
    const std::size_t end = std::min(files.size(), m_next + kReadAtOnce);
    const std::vector<std::string> some(files.begin() + static_cast<std::ptrdiff_t>(m_next),
                                        files.begin() + static_cast<std::ptrdiff_t>(end));
    m_source->ReadEach(
        some,
        [this](std::size_t, const PhotoFacts& facts) {
            if (!facts.refusal.empty()) {
                m_rows.push_back(std::make_unique<ShootRow>(RowOfRefusal(facts)));
            } else {
                const NumberSettings settings = UserNumberSettings();
                PhotoShot shot =
                    ShotOfPhoto(facts, m_cameras.Of(facts), m_opening.choices, settings);
                m_rows.push_back(
                    std::make_unique<ShootRow>(RowOfPhoto(facts, std::move(shot), settings)));
            }
            m_order.push_back(m_rows.back().get());
        },
        true);
    m_next = end;
}

// The rows read since the last look, into the grid, and how far it has come.
void CShootDlg::ShowRead() {
    m_grid.AppendRows(RowsContent(m_shownRows));
    m_shownRows = m_order.size();
    ShowProgress();
    m_lastShown = std::chrono::steady_clock::now();
}

// The photos read as the form stands open: a few at a time, the person's
// keys and clicks answered in between (Cancel among them, or a row opened).
void CShootDlg::ReadAll() {
    while (!m_stopped && !m_closing && m_next < m_opening.files.size()) {
        ReadSome();
        if (std::chrono::steady_clock::now() - m_lastShown >= kShowEvery)
            ShowRead();
        AfxPumpWaitingMessages();
    }
    if (m_closing)
        return;
    m_source.reset(); // the reader ends with the reading
    if (m_sortColumn >= 0)
        ShowInOrder(); // those read after the sort was chosen, in their places
    else
        ShowRead();
    ShowProgress();
}

// Once the form is shown.
void CShootDlg::OnTimer(UINT_PTR id) {
    if (id != kReadingTimer)
        return;
    KillTimer(kReadingTimer);
    ReadAll();
}

void CShootDlg::OnCancel() {
    m_closing = true;
    CDialog::OnCancel();
}

void CShootDlg::ShowProgress() {
    const std::size_t all = m_opening.files.size();
    const bool reading = !m_stopped && m_next < all;
    m_btnStop.EnableWindow(reading);
    m_progress.SetRange(0, static_cast<int>(all));
    m_progress.SetPos(static_cast<int>(m_next));
    if (reading)
        m_progress.SetWindowText(
            Utf8ToCString(Arg(Tr("Open Photos", "Reading photos: %1 of %2\u2026"),
                              {std::to_string(m_next), std::to_string(all)})));
    else if (m_next < all)
        m_progress.SetWindowText(
            Utf8ToCString(Arg(Tr("Open Photos", "Stopped: %1 of %2 photos read."),
                              {std::to_string(m_next), std::to_string(all)})));
    else
        m_progress.SetWindowText(
            Utf8ToCString(Arg(Tr("Open Photos", "Photos read: %1."), {std::to_string(all)})));
}

TableContent CShootDlg::RowsContent(std::size_t first) const {
    TableContent content;
    for (const char* header : kShootColumnHeaders)
        content.columns.push_back(T(header));
    for (std::size_t r = first; r < m_order.size(); ++r) {
        const ShootRow& row = *m_order[r];
        content.rows.emplace_back();
        std::vector<CString> cells;
        for (const std::string& cell : row.cells)
            cells.push_back(Utf8ToCString(cell));
        content.cells.push_back(std::move(cells));
        content.rowPictures.push_back(row.preview);
    }
    if (content.rowPictures.empty())
        content.rowPictures.push_back(nullptr); // a grid of pictures from the start
    return content;
}

// The rows in the order chosen, the row pointed at still pointed at.
void CShootDlg::ShowInOrder() {
    const int at = m_grid.GetCurSel();
    const ShootRow* pointed =
        at >= 0 && static_cast<std::size_t>(at) < m_order.size() ? m_order[at] : nullptr;
    m_order.clear();
    for (const auto& row : m_rows)
        m_order.push_back(row.get());
    if (m_sortColumn >= 0)
        SortShoot(m_order, static_cast<ShootColumn>(m_sortColumn), m_descending);
    TableContent content = RowsContent(0);
    m_shownRows = m_order.size();
    if (m_order.empty())
        content.rowPictures.clear(), content.rowPictures.push_back(nullptr);
    m_grid.SetContent(content);
    m_grid.SetSortMark(m_sortColumn, m_descending);
    if (pointed) {
        const auto it = std::find(m_order.begin(), m_order.end(), pointed);
        m_grid.SetCurSel(static_cast<int>(it - m_order.begin()));
    }
}

void CShootDlg::OnSortChanged() {
    const int entry = m_cboSort.GetCurSel();
    const std::optional<std::string> value =
        entry >= 0 ? m_cboSort.GetItemValue(entry) : std::nullopt;
    m_sortColumn = value ? std::stoi(*value) : -1;
    m_descending = m_chkDescending.GetCheck() == BST_CHECKED;
    ShowInOrder();
}

// A header clicked sorts by its column; clicked again, the other way.
void CShootDlg::OnHeaderClicked() {
    const int column = m_grid.GetClickedColumn();
    if (column < 0 || column >= kShootColumnCount)
        return;
    m_descending = column == m_sortColumn && !m_descending;
    m_sortColumn = column;
    m_cboSort.SetCurSel(column + 1);
    m_chkDescending.SetCheck(m_descending ? BST_CHECKED : BST_UNCHECKED);
    ShowInOrder();
}

void CShootDlg::OnStopClicked() {
    m_stopped = true; // the reading sees it between two photos
}

// Enter or a double click: the Photo form for the row; the grid keeps the
// row for the person's next look.
void CShootDlg::OnOK() {
    const int at = m_grid.GetCurSel();
    if (at < 0 || static_cast<std::size_t>(at) >= m_order.size())
        return;
    const ShootRow& row = *m_order[static_cast<std::size_t>(at)];
    if (!row.facts.refusal.empty()) {
        MessageBox(this, Utf8ToCString(Said(row.facts.refusal)),
                   Utf8ToCString(Tr("Messages", "Open Photo")));
        return;
    }
    if (m_opening.openPhoto)
        m_opening.openPhoto(row, this);
}

// The rows in the order shown, as `vextondof photo --format csv` writes them.
void CShootDlg::OnExportClicked() {
    SaveChosenFile(
        Tr("Open Photos", "Export CSV"), "photos.csv", Tr("Open Photos", "CSV files (*.csv)"),
        [this](CFile& file) {
            std::string csv = kPhotoCsvHeader;
            const SourceTexts forPrograms; // a CSV's texts are the same in every language
            PhotoChoices choices = m_opening.choices; // the unit by the list's own name
            choices.unitName = DistanceUnitFor(ParseInteger(choices.unitValue)).listText;
            for (const ShootRow* row : m_order)
                if (row->facts.refusal.empty()) {
                    const PhotoShot shot = ShotOfPhoto(row->facts, m_cameras.Of(row->facts),
                                                       choices, PlainNumberSettings());
                    csv += PhotoCsvLine(row->facts, shot);
                }
            file.Write(csv.data(), csv.size());
        });
}
