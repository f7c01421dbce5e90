#pragma once
// The services provided to a client (Servizi_Cliente_N.pro, N the client's record number):
// the list with its total, a quick-find, adding and editing an entry and the printed summary.
// The window shows either the list panel or, after "Aggiungi voce" or "Modifica voce", the
// entry panel; only closing brings the list back, rebuilt.
#include <QDialog>
#include <QString>
#include <filesystem>

#include "archive/archive.h"
#include "archive/list_search.h"
#include "archive/windows/Environment.h"
#include "archive/windows/FieldBehaviour.h"
#include "archive/windows/RowListView.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QListView;
class QStackedWidget;

namespace custovia {

class RowListModel;

class TfrmAllegaExcel final : public QDialog {
    Q_OBJECT
public:
    // The client's name and position label as they stand on the client card.
    TfrmAllegaExcel(Environment& env, QWidget* parent, const QString& clientName,
                    const QString& clientPosition);
    ~TfrmAllegaExcel() override;

    const std::vector<std::string>& rows() const;
    QListView* list() const { return found_.view(); }

    void find();   // "Trova"
    void add();    // "Aggiungi voce"
    void edit();   // "Modifica voce"
    void save();   // "Salva"
    void print();  // "Stampa riepilogo"

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildListPanel();
    QWidget* buildEntryPanel();
    QLineEdit* addEntry(QGridLayout* grid, const QString& name, const QString& caption, int capacity,
                        Glyphs glyphs = Glyphs::Average, QWidget* beside = nullptr);
    void load();
    void showEntryPanel();
    Archive archive() const;

    Environment& env_;
    QString clientName_;
    QString clientPosition_;
    bool shownOnce_ = false;
    QStackedWidget* panels_ = nullptr;
    QWidget* panContainer_ = nullptr;
    QWidget* panCosti_ = nullptr;
    QLabel* lblTitolo_ = nullptr;
    FindableRowList found_;
    QLabel* lblTotale_ = nullptr;
    QLineEdit* txtData_ = nullptr;
    QLineEdit* txtOra_ = nullptr;
    QLineEdit* txtServizi_ = nullptr;
    QLineEdit* txtAgente_ = nullptr;
    QLineEdit* txtImporto_ = nullptr;
    QLabel* lblPosizione_ = nullptr;
    QLabel* lblFile_ = nullptr;
};

}  // namespace custovia
