// The report engine end to end: lists and cards printed through the print dialog seam into
// real PDF files, read back with poppler's tools, and one card painted to check clipping.
#include <gtest/gtest.h>

#include <map>

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <cstdio>

#include "fakes.h"
#include "report/list_report.h"
#include "report/windows/ListPrint.h"
#include "report/windows/Report.h"
#include "emergencies/windows/TfrmStampaIntervento.h"

namespace custovia::report {
namespace {

using test::FakeEnvironment;

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts{""};
    for (char c : text) {
        if (c == separator)
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

// pdftotext -layout keeps the order of the words but not every run of blanks between them
std::string singleSpaced(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != ' ' || out.empty() || out.back() != ' ') out += c;
    return out;
}

std::size_t occurrences(const std::string& text, const std::string& what) {
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
    return count;
}

// An unsaved card as its editor reads it, field by field.
using Screen = std::map<std::string, std::string, std::less<>>;

Screen unsavedCard() {
    return {{"txtData", " 03/03/2025 "},
            {"txtOre", "09"},
            {"txtMinuti", "05"},
            {"txtOperatore", "Anna Neri"},
            {"txtUtente", "Mario Rossi"},
            {"txtCelUte", "3331234567"},
            {"txtGuasto", "Allarme [zona 3] attivo"},
            {"txtLuogo", "Via Roma 1"},
            {"txtTipo", "Furgone"},
            {"txtTarga", "AB123CD"},
            {"txtTecnico", "Luca Verdi"},
            {"txtCelTec", "3479876543"},
            {"txtNote", "Chiamare al citofono"},
            {"chkTerminato", "No"}};
}

CardValues reading(const Screen& screen) {
    return [&screen](std::string_view field) {
        const auto it = screen.find(field);
        return it == screen.end() ? std::string() : it->second;
    };
}

TEST(ListPrint, ALongListPrintsEveryRowInOrderWithTitleOnceAndFooterOnEverySheet) {
    FakeEnvironment fake;
    fake.clock.set(DateTime{2025, 3, 3, 9, 5, 7});
    std::vector<std::string> rows;
    for (int i = 1; i <= 120; ++i) {
        char row[96];
        std::snprintf(row, sizeof row,
                      "Data: 01/05/2024  Cliente: Cliente %03d               Targa: AB%03dCD", i, i);
        rows.push_back(row);
    }
    ASSERT_TRUE(printList(nullptr, fake, QStringLiteral("Riepilogo [schede] interventi"), rows));

    ASSERT_EQ(fake.printDialogs.pdfs.size(), 1u);
    EXPECT_TRUE(fake.messages.shown.empty());
    const std::string text = test::pdfText(fake.printDialogs.pdfs[0]);
    std::vector<std::string> sheets = split(text, '\f');
    if (!sheets.empty() && sheets.back().find_first_not_of(" \n") == std::string::npos) sheets.pop_back();
    ASSERT_EQ(sheets.size(), 3u) << text;
    for (const std::string& sheet : sheets)
        EXPECT_EQ(occurrences(sheet, "Stampa eseguita in data 03/03/2025 alle ore 09:05:07"), 1u) << sheet;
    EXPECT_EQ(occurrences(text, "Riepilogo [schede] interventi"), 1u);  // brackets print as typed
    EXPECT_NE(sheets[0].find("Riepilogo [schede] interventi"), std::string::npos);

    const std::string words = singleSpaced(text);
    std::size_t at = 0;
    for (const std::string& row : rows) {
        const std::size_t found = words.find(singleSpaced(row), at);
        ASSERT_NE(found, std::string::npos) << "missing or out of order: " << row;
        at = found + 1;
    }
    // the rows ask for a fixed-pitch face, so their columns line up
    EXPECT_NE(test::readBytes(fake.printDialogs.pdfs[0]).find("Mono"), std::string::npos);
}

TEST(ListPrint, ACancelledPrintDialogPrintsNothing) {
    FakeEnvironment fake;
    fake.printDialogs.acceptPrint = false;
    EXPECT_FALSE(printList(nullptr, fake, QStringLiteral("Riepilogo"), {"Data: x"}));
    EXPECT_EQ(fake.printDialogs.printDialogs, 1);
    EXPECT_TRUE(fake.printDialogs.pdfs.empty());
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST(ReportPdf, CarriesTheDocumentTitleAndReportsAFileThatCannotBeWritten) {
    FakeEnvironment fake;
    Report report = Report::fromResource(kListTemplate);
    const auto pdf = fake.folder() / "Contatto.pdf";
    ASSERT_TRUE(report.writePdf(pdf));
    const std::string info = singleSpaced(test::commandOutput("pdfinfo '" + pdf.string() + "'"));
    EXPECT_NE(info.find("Title: Scheda informativa\n"), std::string::npos) << info;
    // the design texts print as they stand: nothing in square brackets is evaluated
    EXPECT_NE(test::pdfText(pdf).find("Stampa eseguita in data [DATE]"), std::string::npos);

    EXPECT_FALSE(report.writePdf(fake.folder()));  // a folder
}

TEST(TfrmStampaIntervento, PrintsTheCardAsItIsOnScreenAndCloses) {
    FakeEnvironment fake;
    QWidget owner;
    Screen onScreen = unsavedCard();
    TfrmStampaIntervento dialog(&owner, fake, reading(onScreen));
    dialog.show();
    onScreen["txtLuogo"] = "Piazza Duomo 2";  // read when Stampa is pressed, not before
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdStampa")), Qt::LeftButton);

    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(fake.messages.shown.empty());
    ASSERT_EQ(fake.printDialogs.pdfs.size(), 1u);
    const std::string text = singleSpaced(test::pdfText(fake.printDialogs.pdfs[0]));
    for (const char* expected :
         {"SCHEDA INTERVENTO", "Data segnalazione:", "03/03/2025", "Ora segnalazione:", "09:05", "Anna Neri",
          "Mario Rossi", "3331234567", "Allarme [zona 3] attivo", "Piazza Duomo 2", "Furgone Targa: AB123CD",
          "Operatore di pronto intervento:", "Luca Verdi", "3479876543", "Chiamare al citofono",
          "Stampa eseguita in data 15/05/2024 alle ore 10:07:03"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    const std::size_t finished = text.find("Intervento terminato:");
    ASSERT_NE(finished, std::string::npos);
    const std::string finishedRow = text.substr(finished, text.find('\n', finished) - finished);
    EXPECT_NE(finishedRow.find("No"), std::string::npos) << finishedRow;
}

TEST(TfrmStampaIntervento, AnnullaAndACancelledPrintDialogPrintNothing) {
    FakeEnvironment fake;
    QWidget owner;
    const Screen screen = unsavedCard();
    TfrmStampaIntervento cancelled(&owner, fake, reading(screen));
    cancelled.show();
    QTest::mouseClick(cancelled.findChild<QPushButton*>(QStringLiteral("cmdAnnulla")), Qt::LeftButton);
    EXPECT_FALSE(cancelled.isVisible());
    EXPECT_EQ(fake.printDialogs.printDialogs, 0);

    fake.printDialogs.acceptPrint = false;
    TfrmStampaIntervento refused(&owner, fake, reading(screen));
    refused.show();
    QTest::mouseClick(refused.findChild<QPushButton*>(QStringLiteral("cmdStampa")), Qt::LeftButton);
    EXPECT_FALSE(refused.isVisible());
    EXPECT_EQ(fake.printDialogs.printDialogs, 1);
    EXPECT_TRUE(fake.printDialogs.pdfs.empty());
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST(InterventionCard, ALongValueIsCutAtItsBoxNeverWrapped) {
    Report report = Report::fromResource("scheda_intervento");
    Screen card = unsavedCard();
    card["txtLuogo"] = std::string(300, 'W');
    fillInterventionCard(report.layout(), reading(card), DateTime{2025, 3, 3, 9, 5, 7});
    const PreparedPage& page = report.prepare().at(0);
    const DrawnItem* place = page.find("txtLuogo");
    ASSERT_NE(place, nullptr);
    EXPECT_EQ(place->lines.size(), 1u);
    EXPECT_FALSE(place->object.wordWrap);
    EXPECT_EQ(page.find("txtTerminato")->lines, std::vector<std::string>{"No"});
    EXPECT_EQ(page.find("txtData")->lines, std::vector<std::string>{"03/03/2025"});  // trimmed
    EXPECT_EQ(page.find("txtOra")->lines, std::vector<std::string>{"09:05"});
    EXPECT_EQ(page.find("txtTipo")->lines, std::vector<std::string>{"Furgone   Targa: AB123CD"});
    EXPECT_EQ(page.find("txtCalce")->lines,
              std::vector<std::string>{"Stampa eseguita in data 03/03/2025 alle ore 09:05:07"});

    // 96 dots per inch: one pixel per report unit
    QImage sheet(794, 1123, QImage::Format_RGB32);
    sheet.setDotsPerMeterX(3780);
    sheet.setDotsPerMeterY(3780);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    report.paintPage(painter, page, 1.0);
    painter.end();

    const Box box = place->object.box;
    const Box row = page.find("shpRiga07")->object.box;
    auto inkBetween = [&sheet](double left, double right, double top, double bottom) {
        int ink = 0;
        for (int y = int(top) + 1; y < int(bottom); ++y)
            for (int x = int(left) + 1; x < int(right); ++x)
                if (qGray(sheet.pixel(x, y)) < 128) ++ink;
        return ink;
    };
    EXPECT_GT(inkBetween(box.left, box.right(), box.top, box.bottom()), 100);  // the value is there
    EXPECT_EQ(inkBetween(box.right() + 1, row.right() - 1, row.top, row.bottom()), 0);
    const Box next = page.find("shpRiga08")->object.box;  // nothing spills into the next row
    EXPECT_EQ(inkBetween(box.left, box.right(), next.top, next.top + 4), 0);
}

TEST(ReportPicture, APictureIsScaledToItsBoxKeepingItsProportionsAndCentred) {
    FakeEnvironment fake;
    const auto file = fake.folder() / "foto.report";
    test::writeBytes(file,
                     "page paper=A5 margins=0\n"
                     "picture name=imgLogo left=10 top=10 width=100 height=100\n");
    Report report = Report::fromFile(QString::fromStdString(file.string()));
    QImage wide(40, 20, QImage::Format_RGB32);
    wide.fill(Qt::red);
    report.setPicture("imgLogo", wide);
    EXPECT_THROW(report.setPicture("imgFoto", wide), ReportError);

    QImage sheet(200, 200, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    report.paintPage(painter, report.prepare().at(0), 1.0);
    painter.end();
    // 100 x 50 in the middle of the 100 x 100 box: rows 35 to 85
    EXPECT_EQ(sheet.pixel(60, 60), qRgb(255, 0, 0));
    EXPECT_EQ(sheet.pixel(12, 40), qRgb(255, 0, 0));
    EXPECT_EQ(sheet.pixel(60, 30), qRgb(255, 255, 255));
    EXPECT_EQ(sheet.pixel(60, 90), qRgb(255, 255, 255));
}

TEST(PrintDialog, FailuresAreReportedAndTheWindowCloses) {
    struct Case {
        QString warning;
        PrintAction action;
        QString kind, text;
    };
    const QString photo = QStringLiteral(
        "Attenzione: la stampa della scheda non è andata a buon fine.\n\r\n\r"
        "Si consiglia di ridurre le dimensioni della foto.");
    const Case cases[] = {
        {photo, PrintAction::Print, "warning", photo},
        {{},
         PrintAction::Preview,
         "error",
         QStringLiteral("Impossibile completare la stampa.\r\n\r\n"
                        "Il modello di stampa non contiene l'oggetto \"txtFoto\".")},
    };
    for (const Case& c : cases) {
        FakeEnvironment fake;
        QWidget owner;
        PrintDialogSetup setup;
        setup.templateName = "scheda_intervento";
        setup.action = c.action;
        setup.failureWarning = c.warning;
        PrintDialog dialog(&owner, fake, setup, [](Report& r) { r.setText("txtFoto", std::string("x")); });
        dialog.show();
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdStampa")), Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(fake.printDialogs.printDialogs + fake.printDialogs.previews, 0);
        ASSERT_EQ(fake.messages.shown.size(), 1u);
        EXPECT_EQ(fake.messages.last().kind, c.kind);
        EXPECT_EQ(fake.messages.last().text, c.text);
    }
}

TEST(PrintDialog, PreviewWindowShowsItsSetupAndPreviews) {
    FakeEnvironment fake;
    QWidget owner;
    owner.setGeometry(100, 100, 900, 700);
    owner.show();
    PrintDialogSetup setup;
    setup.objectName = QStringLiteral("TfrmAnteprimaProva");
    setup.caption = QStringLiteral(" Anteprima di stampa");
    setup.templateName = "scheda_intervento";
    setup.action = PrintAction::Preview;
    setup.actionButton = QStringLiteral("btnStampa");
    setup.actionText = QStringLiteral("Mostra anteprima");
    setup.cancelButton = QStringLiteral("btnAnnulla");
    setup.heading = QStringLiteral("Anteprima di stampa");
    setup.texts = {QStringLiteral("Prima riga."), QStringLiteral("Seconda riga.")};
    PrintDialog dialog(&owner, fake, setup,
                       [](Report& r) { r.setText("txtData", std::string("01/01/2025")); });
    dialog.show();

    EXPECT_EQ(dialog.windowTitle(), " Anteprima di stampa");
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_LE((dialog.frameGeometry().center() - owner.frameGeometry().center()).manhattanLength(), 2);
    EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("btnAnnulla"))->text(), "Annulla");
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("lblTesto2"))->text(), "Seconda riga.");
    auto* action = dialog.findChild<QPushButton*>(QStringLiteral("btnStampa"));
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), "Mostra anteprima");

    QTest::mouseClick(action, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(fake.printDialogs.previews, 1);
    EXPECT_EQ(fake.printDialogs.printDialogs, 0);
    ASSERT_EQ(fake.printDialogs.pdfs.size(), 1u);
    EXPECT_NE(test::pdfText(fake.printDialogs.pdfs[0]).find("01/01/2025"), std::string::npos);
}

}  // namespace
}  // namespace custovia::report
