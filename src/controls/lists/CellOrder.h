#pragma once
// How the sortable list orders two cell texts: numbers (digit strings, the empty text
// included) by value, then dates written dd/mm/yyyy by year, month and day, then every other
// text in the order of the user's language, case deciding last (lstrcmp). Each kind sorts
// before the next, so the order is a strict weak order whatever the column mixes.

#include "platform/CString.h"

// Negative, 0 or positive as a goes before, with or after b in ascending order.
int CompareCells(const CString& a, const CString& b);
