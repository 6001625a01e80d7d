#pragma once
// The Photo form: what a photo records of its shot, each value with its
// source, and the depth of field of that shot; focused at a distance typed
// for the photo, and at the distances a lens's scale is set to;
// "Use These Settings" hands them to the main form.

#include "framework/qt/controls.h"
#include "framework/qt/dialog.h"
#include "photo/photo_shot.h"
#include "resources/resource.h"

#include <array>
#include <string>

class CPhotoDlg : public CDialog {
  public:
    enum { IDD = IDD_PHOTO };
    CPhotoDlg(const PhotoFacts& facts, const PhotoShot& shot, CWnd* parent = nullptr);

    // The distance typed for the photo, as typed; empty when none (or none
    // that reads as a distance).
    const std::string& TypedDistance() const { return m_typed; }

  protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnTypedChanged();

  private:
    void ShowResults(const CalculationResult& r, bool known, bool hyperfocalKnown);

    PhotoShot m_shot;
    std::string m_typed;
    CString m_photoNotes; // what the photo's own results come with
    // The file's name, the nine values, the four results, the notes: in the
    // order of the form's boxes.
    std::array<CString, 15> m_texts;
    CEdit m_editTyped;
    CTableCtrl m_zones;

    DECLARE_MESSAGE_MAP()
};
