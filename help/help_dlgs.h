#pragma once
// The forms that explain the main form's input fields, and the about form.
// Each shows its template and nothing else.

#include "framework/qt/dialog.h"
#include "resources/resource.h"

template <int FormId> class CInfoOnlyDlg : public CDialog {
  public:
    enum { IDD = FormId };
    explicit CInfoOnlyDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {}
};

class CFocalLengthDlg : public CInfoOnlyDlg<IDD_FOCAL_LENGTH_HELP> {
    DECLARE_DYNAMIC(CFocalLengthDlg)
  public:
    using CInfoOnlyDlg::CInfoOnlyDlg;
};
class CApertureDlg : public CInfoOnlyDlg<IDD_APERTURE_HELP> {
    DECLARE_DYNAMIC(CApertureDlg)
  public:
    using CInfoOnlyDlg::CInfoOnlyDlg;
};
class CDistanceDlg : public CInfoOnlyDlg<IDD_DISTANCE_HELP> {
    DECLARE_DYNAMIC(CDistanceDlg)
  public:
    using CInfoOnlyDlg::CInfoOnlyDlg;
};
class CCircleOfConfusionDlg : public CInfoOnlyDlg<IDD_COFC_HELP> {
    DECLARE_DYNAMIC(CCircleOfConfusionDlg)
  public:
    using CInfoOnlyDlg::CInfoOnlyDlg;
};
class CDiopterDlg : public CInfoOnlyDlg<IDD_DIOPTER_HELP> {
    DECLARE_DYNAMIC(CDiopterDlg)
  public:
    using CInfoOnlyDlg::CInfoOnlyDlg;
};

// The about form declares no run-time class of its own: it answers CDialog.
// It names the program's version and the system it runs on.
class CAboutDlg : public CInfoOnlyDlg<IDD_ABOUTBOX> {
  public:
    CAboutDlg() : CInfoOnlyDlg(nullptr) {}

  protected:
    BOOL OnInitDialog() override;
};
