#pragma once
// "Agenda Appuntamenti": the appointments work area as the launcher opens it. Each showing
// lists the imminent appointments in time order, says by a picture whether there are any and
// sounds the alarm when there are; a chosen row can be reminded over WhatsApp, the list
// printed, and the appointments of the calendar's day or month shown in grids to export.
#include <QDate>
#include <QHash>
#include <QModelIndex>
#include <string>
#include <vector>

#include "archive/windows/Environment.h"
#include "archive/windows/WorkAreaWindow.h"

class QCalendarWidget;
class QLabel;
class QListView;

namespace custovia {

class RowListModel;

class TfrmAgenda final : public WorkAreaWindow {
    Q_OBJECT
public:
    explicit TfrmAgenda(Environment& env, QWidget* parent = nullptr);

    const std::vector<std::string>& rows() const;
    QListView* list() const { return lstRecords_; }
    QCalendarWidget* calendar() const { return calAppuntamenti_; }
    // The appointment chosen last: titData, titOra, titContatto, titCel.
    QString selected(const QString& label) const;

    void sendReminder();  // btnWhatsApp
    void printList();     // btnStampa
    void openCard();      // INSERISCI APPUNTAMENTI

protected:
    void showEvent(QShowEvent* event) override;
    void beforeLeaving() override;

private:
    QWidget* buildLeftColumn();
    QWidget* buildRightColumn();
    void refresh();
    void chooseRow(const QModelIndex& current);
    template <typename Window>
    void openGrid();

    Environment& env_;
    QCalendarWidget* calAppuntamenti_ = nullptr;
    QListView* lstRecords_ = nullptr;
    RowListModel* model_ = nullptr;
    QWidget* presenti_ = nullptr;  // imgPresenti and imgAppuntamentiSI
    QWidget* assenti_ = nullptr;   // imgAssenti and imgAppuntamentiNO
    QHash<QString, QLabel*> selection_;
    QString selectedCard_;  // the chosen appointment's card number
    bool soundLoaded_ = false;
};

}  // namespace custovia
