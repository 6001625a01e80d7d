#pragma once
// The Photo form: what a photo records of its shot, each value with its
// source, and the depth of field of that shot; "Use These Settings" hands
// them to the main form.

#include "framework/qt/dialog.h"
#include "photo/photo_shot.h"
#include "resources/resource.h"

#include <array>

class CPhotoDlg : public CDialog {
  public:
    enum { IDD = IDD_PHOTO };
    CPhotoDlg(const PhotoFacts& facts, const PhotoShot& shot, CWnd* parent = nullptr);

  protected:
    void DoDataExchange(CDataExchange* dx) override;

  private:
    // The file's name, the nine values, the four results, the notes: in the
    // order of the form's boxes.
    std::array<CString, 15> m_texts;
};
