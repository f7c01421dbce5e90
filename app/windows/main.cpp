#include <QApplication>

#include "app/windows/Program.h"
#include "app/windows/Startup.h"
#include "archive/paths.h"
#include "archive/windows/RealEnvironment.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    custovia::prepareApplication(app);
    // the program ends only through the launcher or the sign-in window's "Esci"
    QApplication::setQuitOnLastWindowClosed(false);
    // every file of the program lives in the executable's own folder
    custovia::RealEnvironment real(
        custovia::pathFromUtf8(QCoreApplication::applicationDirPath().toStdString()));
    custovia::Program program(real.env());
    QObject::connect(&program, &custovia::Program::finished, &app, &QApplication::quit);
    program.start();
    return app.exec();
}
