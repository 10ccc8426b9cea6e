#include "app/Startup.h"

#include "app/TintoraApplication.h"
#include "app/dm.h"
#include "main/mainRGB.h"
#include "measure/Display.h"

void CreateGuarded(const std::function<void()>& create)
{
    try {
        create();
    } catch (const std::exception& error) {
        TintoraApplication::HandleException(error);
    }
}

bool CreateApplicationWindows(Desktop& desktop)
{
    CreateGuarded([&] { frmMain = new TfrmMain(desktop); });
    CreateGuarded([] { dmMain = new TdmMain(qApp); });
    CreateGuarded([&] { frmDisplay = new TfrmDisplay(desktop); });
    return frmMain != nullptr;
}

void DestroyApplicationWindows()
{
    delete frmDisplay;
    delete dmMain;
    delete frmMain;
}
