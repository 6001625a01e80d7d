#pragma once
// The Open Photos form: a shoot's photos in a grid, a row each with its
// embedded preview, read as the form stands open (the window answering
// throughout, Cancel stopping the reading), sortable by any column; Enter or
// a double click opens the Photo form for the row, Export CSV writes what
// the terminal's `photo --format csv` writes.

#include "framework/qt/controls.h"
#include "framework/qt/dialog.h"
#include "photo/photo_loading.h"
#include "photo/photo_shot.h"
#include "photo/shoot.h"
#include "photo/shoot_cameras.h"
#include "resources/resource.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct ShootOpening {
    std::vector<std::string> files; // the photos, in order
    const SettingsLocation* settings = nullptr;
    std::vector<FoundCamera> ownCameras;
    PhotoChoices choices;
    // Opens the Photo form for a row's photo, over the form.
    std::function<void(const ShootRow&, CWnd* over)> openPhoto;
};

class CShootDlg : public CDialog {
  public:
    enum { IDD = IDD_SHOOT };
    explicit CShootDlg(ShootOpening opening, CWnd* parent = nullptr);

  protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnTimer(UINT_PTR id) override;
    void OnSortChanged();
    void OnHeaderClicked();
    void OnStopClicked();
    void OnExportClicked();

  private:
    void ReadSome();
    void ReadAll();
    void ShowRead();
    void ShowProgress();
    void ShowInOrder();
    TableContent RowsContent(std::size_t first) const;

    ShootOpening m_opening;
    ShootCameras m_cameras;
    std::unique_ptr<PhotoSource> m_source;
    std::size_t m_next = 0; // the first photo not yet read
    bool m_stopped = false;
    bool m_closing = false;
    std::vector<std::unique_ptr<ShootRow>> m_rows; // in the order read
    std::vector<const ShootRow*> m_order;          // as the grid shows them
    std::size_t m_shownRows = 0; // of m_order, those in the grid; the rest come next
    std::chrono::steady_clock::time_point m_lastShown;
    int m_sortColumn = -1;
    bool m_descending = false;
    CTableCtrl m_grid;
    CComboBox m_cboSort;
    CButton m_chkDescending, m_btnStop;
    CProgressCtrl m_progress;

    DECLARE_MESSAGE_MAP()
};
