#pragma once
// The main form: five lists, the distance and diopter boxes, Calculate.

#include "calc/lens.h"
#include "cameras/data_state.h"
#include "finder/own_camera_records.h"
#include "framework/qt/controls.h"
#include "framework/qt/dialog.h"
#include "help/color_static.h"
#include "lists/typed_choice.h"
#include "resources/resource.h"
#include "rooms/room.h"
#include "settings/kept_choices.h"

#include <chrono>
#include <optional>
#include <string>

struct CameraRecord;

class CVextonDOFCEDlg : public CDialog, public MainForm {
  public:
    enum { IDD = IDD_VEXTONDOFCE_DIALOG };

    CVextonDOFCEDlg();
    ~CVextonDOFCEDlg() override; // saves the choices once more

    void SaveChoices();

    // The record of the camera list's selected entry; null when none is selected.
    const CameraRecord* GetSelectedCamera() const;

    // Whether command `id` does anything here: its message map's, or a room's.
    static bool Handles(int id);

    // What the rooms (the forms the menu opens) ask of it, and hand back.
    CWnd* Window() override { return this; }
    std::optional<Lens> RequireLens() override;
    std::optional<Lens> RequireTableLens() override;
    const CameraRecord* RequireSelectedCamera() override;
    std::optional<std::string> ChosenValue(int id) override;
    std::string ShownText(int id) override;
    const SettingsLocation& PersonsFiles() override { return m_kept.Location(); }
    const std::vector<FoundCamera>& OwnCameras() override { return m_ownCameras.Cameras(); }
    std::string OwnCameraBefore() override;
    std::optional<Lens> LensAsShown() override;
    std::optional<LensRecord> ChosenLens() override { return m_lens; }
    std::string CameraMount() override;
    void Use(const ChoicesToUse& choices) override;

  protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnTimer(UINT_PTR id) override;

    void OnOkCommand();
    bool OnOtherCommand(int id) override; // a room's
    void OnCofCChanged();
    void OnDropFiles(const std::vector<std::string>& paths) override;
    void OnCameraChanged();
    void OnFocalLengthChanged();
    void OnFieldHelpCommand();
    void OnOpenNamedCommand();
    void OnAboutClicked();
    void OnCalculateClicked();
    void OnCameraLabelClicked();
    void OnFocalLengthLabelClicked();
    void OnApertureLabelClicked();
    void OnDistanceLabelClicked();
    void OnCofCLabelClicked();
    void OnDiopterLabelClicked();

  private:
    // List fills, each ending with the stored choice selected.
    void FillCameraList();
    void RememberCofC();
    // After a room: a list still showing its entry that opened it ("Other
    // camera…", "Custom…") shows what it showed before again.
    void RestoreOpeningEntries();
    // The circle-of-confusion list as it was before "Custom…": the entry
    // selected, or the text typed.
    std::pair<int, CString> m_lastCofC{-1, CString()};
    void FillCameraEntries(const CString& select);
    void FillFocalLengthList();
    void FillFocalLengthEntries(const CString& select);
    void FillApertureList();
    // The aperture list for the lens in use at the focal length chosen,
    // keeping the aperture chosen where the lens allows it.
    void FillLensApertures();
    void FillListsForLens();
    // Whether the focal-length list shows "Other lens…", which opens the chooser.
    bool ShowsOtherLens() const;
    // Works with `lens` (none: no lens): the lists, and the file it is kept in.
    void UseLens(const std::optional<LensRecord>& lens);
    // Whether the lens in use allows the focal length and aperture of
    // `lens`; when not, said why.
    bool LensAllows(const Lens& lens);
    std::optional<Lens> ReadShownLens(bool ask);
    void FillUnitList();
    void FillCofCList();

    // The stored choices another copy held at start, once it lets go: a
    // list still showing what the start showed takes the stored choice, one
    // the person changed keeps the person's choice.
    void TakeStoredChoices(const CDataState& stored);

    void ApplyLayoutTemplate(int templateId);

    // A list's selected value text, or a message asking for a choice.
    std::optional<std::string> RequireValue(const CComboBox& list, ListKind kind);
    void ShowValidationError(const std::string& text);

    CDataState m_dataState;
    HICON m_hIcon;
    CComboBox m_cboCamera;
    CComboBox m_cboFocalLength;
    CComboBox m_cboAperture;
    CEdit m_editDistance;
    CComboBox m_cboUnit;
    CComboBox m_cboCofC;
    CEdit m_editDiopter;
    CButton m_btnCalculate;
    CButton m_btnAbout;
    CEdit m_editFocalLength;
    CColorStatic m_lblCamera;
    CColorStatic m_lblFocalLength;
    CColorStatic m_lblAperture;
    CColorStatic m_lblDistance;
    CColorStatic m_lblCofC;
    CColorStatic m_lblDiopter;
    CFont m_underlinedFonts[6];
    OwnCameraRecords m_ownCameras; // the person's cameras, after the built-in ones
    int m_lastCamera = -1;         // the camera list's selection before "Other camera…"
    // The focal-length list before "Other lens…": the entry selected, or the text typed.
    std::pair<int, CString> m_lastFocal{-1, CString()};
    std::optional<LensRecord> m_lens; // the lens in use, kept beside the settings
    CKeptChoices m_kept{*this, [this](const CDataState& stored) { TakeStoredChoices(stored); }};

    DECLARE_MESSAGE_MAP()
};
