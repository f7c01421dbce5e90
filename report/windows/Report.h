#pragma once
// A report ready to fill and print: a template read from the program's resources (or a file),
// the pictures the program puts into it, and its prepared sheets. Printing, preview and PDF
// all paint the same prepared sheets.
#include <QHash>
#include <QImage>
#include <QString>
#include <exception>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "archive/block_file.h"
#include "report/layout.h"
#include "report/template.h"

class QPagedPaintDevice;
class QPainter;
class QWidget;

namespace custovia {
class PrintDialogs;
}

namespace custovia::report {

// The title (and subject) every PDF written by the program carries.
inline const QString kPdfTitle = QStringLiteral("Scheda informativa");

// How the engine itself reports a print that failed, where the window asking for it has no
// message of its own.
QString printFailureMessage(const std::exception& failure);

class Report {
public:
    explicit Report(Template layout) : template_(std::move(layout)) {}

    // A template of templates/reports, by its file name without extension ("riepilogo_dati").
    static Report fromResource(std::string_view name);
    // A template file anywhere (a path, or a resource path starting with ":/").
    static Report fromFile(const QString& path);

    Template& layout() { return template_; }
    const Template& layout() const { return template_; }

    // The filling operations throw ReportError when the name is not in the template.
    void setText(std::string_view objectName, const std::string& text);
    void setText(std::string_view objectName, const QString& text);
    void setPicture(std::string_view objectName, const QImage& picture);
    void setHeight(std::string_view objectOrBandName, double units);
    void setOrientation(Orientation orientation);  // every page
    void setOrientation(std::size_t pageIndex, Orientation orientation);

    // Lays out the sheets with the texts set so far. Printing, preview and PDF prepare again,
    // so they always show the texts as they are.
    const std::vector<PreparedPage>& prepare();
    const std::vector<PreparedPage>& pages() const { return pages_; }

    // The print dialog first (through the seam); false when it is cancelled. A printer that
    // cannot be written throws ReportError.
    bool print(QWidget* parent, PrintDialogs& dialogs);
    // The preview window (through the seam); throws ReportError when it cannot be painted.
    void preview(QWidget* parent, PrintDialogs& dialogs);
    // Writes the sheets to a PDF file with no dialog, whole (see replaceFileContents); false
    // when the file cannot be written, the earlier file then staying as it was.
    bool writePdf(const std::filesystem::path& path, FileOpener& files = platformFileOpener());

    // Paints every prepared sheet on a printer or PDF writer, one sheet per page; false when
    // the device cannot be painted on.
    bool paint(QPagedPaintDevice& device);
    // Paints one sheet with `scale` device pixels per report unit.
    void paintPage(QPainter& painter, const PreparedPage& page, double scale);

private:
    void paintPicture(QPainter& painter, const ReportObject& object, double scale);

    Template template_;
    QHash<QString, QImage> pictures_;
    std::vector<PreparedPage> pages_;
};

}  // namespace custovia::report
