#include <QApplication>

#include "app/main_app.h"
#include "cuefiles/regular_file.h"

namespace {

// The arguments left after Qt has taken its own, decoded so that a file name that is not
// UTF-8 still opens the file it names.
QStringList FileArguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromStdU16String(cRegularFile::FromFileSystemPath(argv[i]));
    }
    return arguments;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Ties the windows to the installed desktop entry, for its name and icon on Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.vorlen.recallix"));
    int exitCode = 1;
    {
        cMainApp app;
        if (app.InitInstance(FileArguments(argc, argv))) {
            exitCode = QApplication::exec();
        }
    }
    // The old window is gone; the new instance may start while this one finishes.
    cMainApp::StartRequestedRestart();
    return exitCode;
}
