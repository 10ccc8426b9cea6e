#include "app/Startup.h"
#include "app/TintoraApplication.h"
#include "main/mainRGB.h"
#include "platform/Desktop.h"
#include "platform/FontWarmup.h"

#include <QFont>

int main(int argc, char** argv)
{
    FontWarmup fonts;
    TintoraApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tintora"));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(QStringLiteral("Fusion"));

    fonts.Wait();
    QFont font = QApplication::font();
    font.setFamilies({ QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"), font.family() });
    font.setPixelSize(12);
    QApplication::setFont(font);

    const std::unique_ptr<Desktop> desktop = CreateDesktop();
    if (!CreateApplicationWindows(*desktop))
        return 1;

    // The main window's close ends the run, also while other windows are open.
    QObject::connect(frmMain, &TfrmMain::FormClosed, &app, &QCoreApplication::quit);
    frmMain->show();
    const int result = app.exec();
    DestroyApplicationWindows();
    return result;
}
