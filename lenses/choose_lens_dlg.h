#pragma once
// The Choose Lens form: a lens of lensfun's or of the person's found by the
// words typed (those for the camera's mount first), or one of the person's
// own by its fields, to work with; the framing the lens gives; no lens at
// all; and one of the person's lenses removed again.

#include "calc/lens.h"
#include "framework/qt/controls.h"
#include "framework/qt/dialog.h"
#include "lenses/lens_catalog.h"
#include "lenses/own_lenses.h"
#include "resources/resource.h"

#include <optional>
#include <string>
#include <vector>

// What the form starts from: where the person's files are, the lens chosen
// now, the camera's mount (empty when not known), and the main form's
// choices when they read as a lens (the framing's focal length, unit,
// sensor and distance).
struct LensChoosing {
    SettingsLocation settings;
    std::optional<LensRecord> chosen;
    std::string mount;
    std::optional<Lens> shown;
};

class CChooseLensDlg : public CDialog {
  public:
    enum { IDD = IDD_CHOOSE_LENS };

    explicit CChooseLensDlg(LensChoosing choosing, CWnd* parent = nullptr);

    // Once the form ended with OK: the lens to work with.
    const LensRecord& Chosen() const { return m_chosen; }
    // Once it ended with Remove (IDC_LENS_REMOVE): the name of the lens removed.
    const std::string& Removed() const { return m_removed; }

  protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnFindChanged();
    void OnFramingChanged();
    void OnRemoveClicked();
    void OnNoLensClicked();

  private:
    std::optional<LensRecord> PointedLens() const;
    std::optional<LensRecord> ChosenLens(std::string& refusal) const;
    bool OwnFieldsTyped() const;
    void ShowFraming();
    void Refuse(const std::string& sentence);

    LensChoosing m_choosing;
    OwnLenses m_own;
    std::vector<LensRecord> m_lenses;   // the person's, then lensfun's
    std::vector<std::size_t> m_matches; // positions in m_lenses, as the grid shows them
    LensRecord m_chosen;
    std::string m_removed;
    CEdit m_editFind, m_editName, m_editFocal, m_editWidest, m_editSmallest, m_editMinFocus,
        m_editPupil, m_editSubject;
    CEdit m_framing[5];
    CTableCtrl m_matchesGrid;
    CStatic m_lblNow, m_lblRefusal;
    CButton m_btnRemove;

    DECLARE_MESSAGE_MAP()
};
