#pragma once
// The From, To and Steps lists of the table and chart forms: which
// apertures their columns, bars or curves are, as a person picks or types them.

#include "framework/qt/controls.h"
#include "table/dof_table.h"

#include <string>

struct ApertureLists {
    const CComboBox& from;
    const CComboBox& to;
    const CComboBox& steps;

    // As the forms open: the whole stops f/2.8 to f/22, widened to the
    // lens's aperture (or those the lens in use, `owned`, has); the first
    // and last of them.
    static std::pair<TableAperture, TableAperture>
    Fill(CComboBox& from, CComboBox& to, CComboBox& steps, const Lens& lens,
         const NumberSettings& settings, const std::optional<LensRecord>& owned = std::nullopt);
    // The apertures they ask for as `request`'s columns, the lens's own
    // among them; where From or To is neither an entry nor a number, none,
    // and the sentence that names it.
    std::string SetColumns(TableRequest& request, const Lens& lens,
                           const NumberSettings& settings) const;
};
