// The program's entry: one application object, run until its main window closes.
#include "app/RorovavozirApp.h"

int main()
{
    CRorovavozirApp app;
    return RunApplication(app);
}
