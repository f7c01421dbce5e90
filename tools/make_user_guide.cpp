// Lays out the user guide, Guida.pdf, at the path given: run by the build to put the guide in
// the program folder. The windows it pictures are built offscreen: no display is needed.
#include <QApplication>
#include <cstdio>
#include <exception>

#include "app/windows/Startup.h"
#include "tools/guide/UserGuide.h"

namespace {

QtMessageHandler usualHandler = nullptr;

// The offscreen platform says, for every window shown, that it cannot pass size hints to a
// window manager it does not have: nothing the guide needs, so the build's log is spared it.
void quietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints"))) return;
    if (usualHandler)
        usualHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_user_guide GUIDA.pdf\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // two pixels a point, so the pictures stay sharp on paper
    qputenv("QT_SCALE_FACTOR", "2");
    usualHandler = qInstallMessageHandler(quietOffscreenNotes);
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
