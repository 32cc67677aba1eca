#pragma once
// The application object: its start-up runs the main window as a modal dialog, and the program
// ends when that window closes.

#include "platform/ui/App.h"

class CRorovavozirApp : public CWinApp {
public:
    BOOL InitInstance() override;
};
