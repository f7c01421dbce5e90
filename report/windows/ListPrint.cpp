#include "report/windows/ListPrint.h"

#include "report/list_report.h"
#include "report/windows/Report.h"

namespace custovia::report {

bool printList(QWidget* parent, Environment& env, const QString& title,
               const std::vector<std::string>& rows) {
    try {
        Report report = Report::fromResource(kListTemplate);
        fillListReport(report.layout(), title.toStdString(), rows, env.clock.now());
        report.prepare();
        return report.print(parent, env.printDialogs);
    } catch (const std::exception& failure) {
        env.messages.error(parent, printFailureMessage(failure));
        return false;
    }
}

}  // namespace custovia::report
