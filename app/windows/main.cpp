#include <QApplication>

#include "app/windows/Program.h"
#include "app/windows/Startup.h"
#include "archive/paths.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    custovia::prepareApplication(app);
    // every file of the program lives in the executable's own folder
    return custovia::runProgram(app,
                                custovia::pathFromUtf8(QCoreApplication::applicationDirPath().toStdString()));
}
