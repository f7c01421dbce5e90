// Lays out the user guide, Guida.pdf, at the path given: run by the build to put the guide in
// the program folder.
#include <QGuiApplication>
#include <cstdio>
#include <exception>

#include "app/windows/UserGuide.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_user_guide GUIDA.pdf\n");
        return 2;
    }
    // no screen needed: fonts and the PDF writer work without one
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    try {
        custovia::writeUserGuide(QString::fromLocal8Bit(argv[1]));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
