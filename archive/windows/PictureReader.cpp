#include "archive/windows/PictureReader.h"

#include <QImageReader>
#include <algorithm>

namespace custovia {
namespace {

// Qt refuses to decode a picture whose pixels exceed its allocation limit (128 MB). A JPEG
// decodes straight at a half, a quarter or an eighth of its size, but a photo less than twice
// the size asked for, and every other format, decodes whole before it is scaled: for the one
// read the limit is raised to what the whole picture takes, up to a ceiling that still
// refuses a file claiming absurd dimensions.
constexpr qint64 kWholeDecodeCeilingMb = 1024;

class AllocationLimitFor {
public:
    explicit AllocationLimitFor(QSize full) : previous_(QImageReader::allocationLimit()) {
        const qint64 neededMb = (qint64(full.width()) * full.height() * 4 >> 20) + 1;
        if (previous_ > 0 && neededMb > previous_)
            QImageReader::setAllocationLimit(int(std::min(neededMb, kWholeDecodeCeilingMb)));
    }
    ~AllocationLimitFor() { QImageReader::setAllocationLimit(previous_); }
    AllocationLimitFor(const AllocationLimitFor&) = delete;
    AllocationLimitFor& operator=(const AllocationLimitFor&) = delete;

private:
    int previous_;
};

}  // namespace

QImage readPicture(const QString& file, int longestSide) {
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    // the size as stored, before any turning: the bound is square, so the turn cannot matter
    const QSize stored = reader.size();
    if (stored.isValid() && (stored.width() > longestSide || stored.height() > longestSide))
        reader.setScaledSize(
            stored.scaled(longestSide, longestSide, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    const AllocationLimitFor limit(stored.isValid() ? stored : QSize());
    return reader.read();
}

QImage readPicture(const std::filesystem::path& file, int longestSide) {
    return readPicture(QString::fromStdU16String(file.u16string()), longestSide);
}

}  // namespace custovia
