#include <QApplication>

#include "app/main_app.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Ties the windows to the installed desktop entry, for its name and icon on Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.vorlen.recallix"));
    int exitCode = 1;
    {
        cMainApp app;
        if (app.InitInstance(QApplication::arguments().mid(1))) {
            exitCode = QApplication::exec();
        }
    }
    // The old window is gone; the new instance may start while this one finishes.
    cMainApp::StartRequestedRestart();
    return exitCode;
}
