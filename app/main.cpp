#include <QApplication>

#include "app/main_app.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    int exitCode = 1;
    bool restart = false;
    {
        cMainApp app;
        if (app.InitInstance(QApplication::arguments().mid(1))) {
            exitCode = QApplication::exec();
        }
        restart = app.GetRunState().RestartRequested;
    }
    // The old window is gone; the new instance may start while this one finishes.
    if (restart) {
        cMainApp::StartNewInstance();
    }
    return exitCode;
}
