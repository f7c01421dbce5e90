#include "employees/windows/TfrmStampaDipendenti.h"

#include "employees/employee_print.h"
#include "employees/windows/EmployeePictures.h"

namespace custovia {
namespace {

report::PrintDialogSetup setup() {
    report::PrintDialogSetup s =
        report::printSetup(QStringLiteral("TfrmStampaDipendenti"), QStringLiteral(" Stampa scheda"),
                           std::string(kEmployeeCardTemplate));
    s.failureWarning = QStringLiteral(
        "Attenzione: la stampa della scheda non è andata a buon fine.\n\r\n\rSi consiglia di ridurre le "
        "dimensioni della foto.");
    return s;
}

}  // namespace

report::FillReport fillEmployeeReport(CardValues screen, const QImage& photo) {
    // the window's own copy of the photo, taken when it opens
    const QImage picture = photo.isNull() ? builtInPicture(QStringLiteral("euro"), {200, 200}) : photo;
    return [screen = std::move(screen), picture](report::Report& report) {
        report.setPicture(kEmployeePhotoObject, picture);
        fillEmployeeCard(report.layout(), screen);
    };
}

TfrmStampaDipendenti::TfrmStampaDipendenti(QWidget* owner, Environment& env, CardValues screen,
                                           const QImage& photo)
    : PrintDialog(owner, env, setup(), fillEmployeeReport(std::move(screen), photo)) {}

}  // namespace custovia
