#pragma once
// The Choose Camera form: a camera of lensfun's found by the words typed, or
// one of the person's own by its sensor, added to the person's cameras; and
// the main form's own camera removed again.

#include "finder/lensfun_cameras.h"
#include "finder/own_cameras.h"
#include "framework/qt/controls.h"
#include "framework/qt/dialog.h"
#include "resources/resource.h"

#include <string>
#include <vector>

class CChooseCameraDlg : public CDialog {
  public:
    enum { IDD = IDD_CHOOSE_CAMERA };

    // `removable`: the name of the person's camera the main form has
    // selected, empty when it is none of theirs; `settings`: where the
    // person's files are.
    CChooseCameraDlg(std::string removable, SettingsLocation settings, CWnd* parent = nullptr);

    // Once the form ended with OK: the name of the camera added (or of the
    // person's camera picked again).
    const std::string& Added() const { return m_added; }
    // Once the form ended with Remove (its result IDC_CHOOSE_REMOVE): the
    // name of the camera removed.
    const std::string& Removed() const { return m_removed; }

  protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnFindChanged();
    void OnSensorChanged();
    void OnRemoveClicked();

  private:
    std::optional<FoundCamera> ChosenCamera(std::string& refusal) const;
    const FoundCamera* OwnOf(const FoundCamera& camera) const;
    std::string RemovalTarget(std::string& refusal) const;
    void Refuse(const std::string& sentence);

    std::string m_removable;
    SettingsLocation m_settings;
    OwnCameras m_own;
    const CameraDatabase* m_database = nullptr;
    std::vector<std::size_t> m_matches; // positions in the database, as the grid shows them
    std::string m_added, m_removed;
    CEdit m_editFind, m_editName, m_editWidth, m_editHeight;
    CTableCtrl m_matchesGrid;
    CStatic m_lblCrop, m_lblRefusal;
    CButton m_btnRemove;

    DECLARE_MESSAGE_MAP()
};
