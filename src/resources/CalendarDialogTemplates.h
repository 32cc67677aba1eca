#pragma once
// Templates of the calendar dialogs (266, 282, 274), the yearly-calendar preset picker (292)
// and the sample picture dialogs. Rectangles are in dialog units.

#include "platform/ui/CommCtrl.h"
#include "platform/ui/WinMessages.h"
#include "resources/DialogTemplates.h"

#include <vector>

DialogTemplate YearCalendarTemplate();
DialogTemplate YearPlannerTemplate();
DialogTemplate MonthCalendarTemplate();
DialogTemplate YearCalendarExampleTemplate();
std::vector<DialogTemplate> SampleTemplates();

// Styles the calendar templates share.
namespace calendar_template {
using C = ControlClass;
inline constexpr DWORD kPush = BS_PUSHBUTTON | WS_TABSTOP;
inline constexpr DWORD kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;
inline constexpr DWORD kRadio = BS_AUTORADIOBUTTON | WS_TABSTOP;
inline constexpr DWORD kFontList = CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_TABSTOP;
inline constexpr DWORD kSizeList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
inline constexpr DWORD kPictureList = LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP;
}   // namespace calendar_template
