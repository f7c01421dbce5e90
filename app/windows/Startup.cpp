#include "app/windows/Startup.h"

#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "archive/memory.h"
#include "archive/windows/qt_text.h"

namespace custovia {

void prepareApplication(QApplication& app) {
    keepFreedMemoryForReuse();
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    // the layouts are drawn for these families; fontconfig gives their metric twins on Linux
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    app.setApplicationName(QStringLiteral("Custovia"));
    // the installed desktop entry and its icon: the desktop shows the program's own picture
    QGuiApplication::setDesktopFileName(QStringLiteral("custovia"));
    QApplication::setWindowIcon(QIcon(pictureResource("icona")));
}

}  // namespace custovia
