#pragma once
// Fillers of the number lists of the date-range dialog. Stateless: build one around each use.

#include "platform/ui/StandardControls.h"

class CPublicOper {
public:
    CPublicOper() = default;
    virtual ~CPublicOper() = default;

    // Deletes every item, from the last to the first.
    void ClearCombo(CComboBox* combo) const;
    // The numbers first..last as "%d", in rising order, with the first one selected.
    void FillComboRange(CComboBox* combo, int first, int last) const;
};
