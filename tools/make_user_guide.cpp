// Lays out the user guide, Guida.pdf, at the path given: run by the build to put the guide in
// the program folder. The windows it pictures are built offscreen: no display is needed.
#include <QApplication>
#include <cstdio>
#include <exception>

#include "app/windows/Startup.h"
#include "tools/guide/UserGuide.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_user_guide GUIDA.pdf\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // two pixels a point, so the pictures stay sharp on paper
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    custovia::prepareApplication(app);  // the windows look as in the program
    try {
        custovia::guide::writeUserGuide(QString::fromLocal8Bit(argv[1]));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_user_guide: %s\n", e.what());
        return 1;
    }
    return 0;
}
