#include "app/main_dlg.h"
#include "lists/list_fill.h"

void FillChoiceList(CComboBox& list, const std::vector<ChoiceEntry>& entries, int dropDownRows,
                    const CString& stored) {
    list.SetDropDownRows(dropDownRows);
    list.ResetContent();
    list.AddEntries(entries);
    list.SelectString(stored);
}

void CVextonDOFCEDlg::FillFocalLengthList() {
    FillChoiceList(m_cboFocalLength, FocalLengthChoices(), kDropDownRows,
                   m_dataState.m_strFocalLength);
}

// The aperture entries come with the form; each gets the value of its text.
void CVextonDOFCEDlg::FillApertureList() {
    m_cboAperture.SetDropDownRows(kDropDownRows);
    for (int i = 0; i < m_cboAperture.GetCount(); ++i)
        m_cboAperture.SetItemValue(i, ApertureValueFor(m_cboAperture.GetLBText(i)));
    m_cboAperture.SelectString(m_dataState.m_strAperture);
}

void CVextonDOFCEDlg::FillUnitList() {
    FillChoiceList(m_cboUnit, UnitChoices(), kUnitDropDownRows, m_dataState.m_strUnit);
}

void CVextonDOFCEDlg::FillCofCList() {
    FillChoiceList(m_cboCofC, CofCChoices(), kDropDownRows, m_dataState.m_strCofC);
}
