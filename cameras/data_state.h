#pragma once
// The user's five list choices, as the display texts of the chosen entries:
// the whole content of the settings file.

#include "framework/base/cstring.h"
#include "framework/base/object.h"

class CDataState : public CObject {
    DECLARE_SERIAL(CDataState)

  public:
    CDataState();
    void Serialize(CArchive& ar) override;

    CString m_strCamera;
    CString m_strFocalLength;
    CString m_strAperture;
    CString m_strUnit;
    CString m_strCofC;
};
