#include "cameras/data_state.h"

#include "framework/base/archive.h"

IMPLEMENT_SERIAL(CDataState, CObject, 1)

CDataState::CDataState()
    : m_strCamera(u"Nikon D70"), m_strFocalLength(u"18.0"), m_strAperture(u"f/16"),
      m_strUnit(u"feet"), m_strCofC(u"0.0310") {}

// Five string records and nothing else; a field is assigned as soon as its
// record has been read, so a short file leaves the later fields as they were.
void CDataState::Serialize(CArchive& ar) {
    if (ar.IsLoading())
        ar >> m_strCamera >> m_strFocalLength >> m_strAperture >> m_strUnit >> m_strCofC;
    else
        ar << m_strCamera << m_strFocalLength << m_strAperture << m_strUnit << m_strCofC;
}
