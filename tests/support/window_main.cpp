// Test main for the window tests: a real QApplication on the offscreen platform, with the
// program's fonts and formats, as the program itself starts.
#include <gtest/gtest.h>

#include <QApplication>

#include "app/windows/Startup.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    custovia::prepareApplication(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
