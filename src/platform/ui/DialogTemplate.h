#pragma once
// Dialog templates: a dialog's caption, size and controls in dialog units, as the resource
// files of the program describe them. The layer builds a dialog's window from its template.

#include "platform/ui/WinDef.h"

#include <string>
#include <vector>

// The window classes a template can name.
enum class ControlClass { Static, Button, Edit, ComboBox, ListBox, ListView, Progress, Toolbar, Rebar, ToolTip };

struct ControlTemplate {
    ControlClass cls = ControlClass::Static;
    int id = 0;
    std::string text;
    int x = 0, y = 0, cx = 0, cy = 0;   // dialog units
    DWORD style = 0;                    // class styles (BS_, SS_, ES_...) and WS_ styles
    DWORD exStyle = 0;
    bool visible = true;                // as on Windows, a control is shown unless told otherwise
    UINT bitmap = 0;                    // a BS_BITMAP button: the bitmap resource it shows from its
                                        // creation, in place of its text
};

// Every field has an initialiser, so a template can name only the fields it sets.
struct DialogTemplate {
    UINT id = 0;
    std::string caption {};
    int cx = 0, cy = 0;                 // dialog units
    std::string fontFace = "MS Shell Dlg";
    int fontPoints = 8;
    DWORD style = 0;                    // WS_SYSMENU gives a close box
    DWORD exStyle = 0;
    std::vector<ControlTemplate> controls {};
};

void RegisterDialogTemplate(DialogTemplate dialog);
const DialogTemplate* FindDialogTemplate(UINT id);
