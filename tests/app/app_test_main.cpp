#include <cstdio>

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Nothing a test does may reach the user's own settings.
    QTemporaryDir configHome;
    if (!configHome.isValid()) {
        std::fprintf(stderr, "cannot create a temporary configuration folder\n");
        return 1;
    }
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));
    QApplication app(argc, argv);
    // Tests close the window and go on with the next one.
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
