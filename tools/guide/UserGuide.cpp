#include "tools/guide/UserGuide.h"

#include <QSaveFile>
#include <QTemporaryDir>
#include <stdexcept>

#include "tools/guide/GuideEnvironment.h"
#include "tools/guide/GuideText.h"
#include "tools/guide/SampleFolder.h"
#include "tools/guide/Typesetter.h"
#include "tools/guide/WindowPictures.h"

namespace custovia::guide {

void writeUserGuide(const QString& path) {
    // the words first: a slip in them stops the build before the windows are pictured
    const std::vector<GuideChapter> chapters = guideChapters();
    QTemporaryDir scratch;
    if (!scratch.isValid()) throw std::runtime_error("guide: no scratch folder for the sample cards");
    const std::filesystem::path folder = std::filesystem::path(scratch.path().toStdString()) / "Custovia";
    laySampleFolder(folder);
    GuideEnvironment environment(folder);
    const WindowPictures pictures = takeWindowPictures(environment);
    const std::string pdf = typesetGuide(kGuideTitle, chapters, pictures);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(pdf.data(), qint64(pdf.size())) != qint64(pdf.size()) || !file.commit())
        throw std::runtime_error("guide: cannot write " + path.toStdString());
}

}  // namespace custovia::guide
