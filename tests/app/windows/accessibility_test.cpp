// Every window reads out to a screen reader: each field, list and grid has its caption as
// accessible name (directly or through a buddy label), and each picture button its name and
// its hint as tooltip and accessible description.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "app/windows/TfrmAvvio.h"
#include "app/windows/TfrmCambiaPassword.h"
#include "app/windows/TfrmCopieSicurezza.h"
#include "app/windows/TfrmGuida.h"
#include "app/windows/TfrmInfo.h"
#include "app/windows/TfrmPassword.h"
#include "app/windows/TfrmSplash.h"
#include "archive/windows/TfrmAllegaCartella.h"
#include "archive/windows/TfrmCalendario.h"
#include "clients/windows/TfrmAllegaExcel.h"
#include "clients/windows/TfrmCarta.h"
#include "clients/windows/TfrmClienti.h"
#include "clients/windows/TfrmCodFisc.h"
#include "clients/windows/TfrmIban.h"
#include "clients/windows/TfrmPartitaIva.h"
#include "clients/windows/TfrmPrivacy.h"
#include "clients/windows/TfrmRicontatta.h"
#include "clients/windows/TfrmTrovaClienti.h"
#include "clients/windows/TfrmExpClienti.h"
#include "contracts/windows/TfrmAnteprimaCon.h"
#include "contracts/windows/TfrmContratto.h"
#include "contracts/windows/TfrmExpContratti.h"
#include "contracts/windows/TfrmLogo.h"
#include "contracts/windows/TfrmNumerazione.h"
#include "contracts/windows/TfrmStampaCon.h"
#include "contracts/windows/TfrmTrovaContratti.h"
#include "emergencies/windows/TfrmExpInterventi.h"
#include "emergencies/windows/TfrmInterventi.h"
#include "emergencies/windows/TfrmPendenti.h"
#include "emergencies/windows/TfrmStampaIntervento.h"
#include "emergencies/windows/TfrmTrovaInterventi.h"
#include "employees/windows/TfrmAnteprimaDipendenti.h"
#include "employees/windows/TfrmDipendenti.h"
#include "employees/windows/TfrmSlideshow_Dipendenti.h"
#include "employees/windows/TfrmStampaDipendenti.h"
#include "employees/windows/TfrmTrovaDipendenti.h"
#include "employees/windows/TfrmWebCam.h"
#include "employees/windows/TfrmZoom.h"
#include "appointments/windows/TfrmAgenda.h"
#include "appointments/windows/TfrmArchivio_Scadenze.h"
#include "appointments/windows/TfrmAssolti.h"
#include "appointments/windows/TfrmConfermati.h"
#include "appointments/windows/TfrmExpGiornaliere.h"
#include "appointments/windows/TfrmExpImminenti.h"
#include "appointments/windows/TfrmExpMensili.h"
#include "appointments/windows/TfrmExpScadenzario.h"
#include "appointments/windows/TfrmScaduti.h"
#include "appointments/windows/TfrmStampaScadenza.h"
#include "appointments/windows/TfrmStartup.h"
#include "appointments/windows/TfrmTrovaScadenze.h"
#include "appointments/windows/TfrmWhatsApp_Message.h"
#include "fakes.h"

namespace custovia {
namespace {

bool hasBuddy(const QWidget* window, const QWidget* field) {
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (label->buddy() == field && !label->text().isEmpty()) return true;
    return false;
}

void expectAccessible(const QWidget* window) {
    const QString where = window->objectName();
    for (QWidget* w : window->findChildren<QWidget*>()) {
        // the window's own controls; Qt's inner parts and other windows aside
        if (w->window() != window || w->objectName().startsWith("qt_")) continue;
        const bool field = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                           qobject_cast<QCheckBox*>(w) || qobject_cast<QAbstractItemView*>(w);
        // line edits inside combo boxes and views speak through their owner
        const bool inner =
            qobject_cast<QComboBox*>(w->parentWidget()) ||
            qobject_cast<QAbstractItemView*>(w->parentWidget()) ||
            qobject_cast<QAbstractItemView*>(w->parentWidget() ? w->parentWidget()->parentWidget() : nullptr);
        if ((field || qobject_cast<QToolButton*>(w)) && !inner) {
            EXPECT_FALSE(w->objectName().isEmpty())
                << where.toStdString() << ": an unnamed " << w->metaObject()->className();
        }
        if (field && !inner) {
            const bool named = !w->accessibleName().isEmpty() || hasBuddy(window, w) ||
                               (qobject_cast<QCheckBox*>(w) && !static_cast<QCheckBox*>(w)->text().isEmpty());
            EXPECT_TRUE(named) << where.toStdString() << ": " << w->objectName().toStdString();
        }
        if (auto* button = qobject_cast<QToolButton*>(w)) {
            EXPECT_FALSE(button->accessibleName().isEmpty())
                << where.toStdString() << ": " << button->objectName().toStdString();
            EXPECT_FALSE(button->toolTip().isEmpty()) << button->objectName().toStdString();
            EXPECT_EQ(button->toolTip(), button->accessibleDescription())
                << button->objectName().toStdString();
        }
    }
}

TEST(Accessibility, EveryWindowNamesItsFieldsAndPictureButtons) {
    test::FakeEnvironment fake;
    TfrmInterventi card(fake.env());
    TfrmClienti clients(fake.env());
    TfrmDipendenti employees(fake.env());  // before the windows that it owns
    std::vector<std::unique_ptr<QWidget>> windows;
    windows.emplace_back(new TfrmPassword(fake.env()));
    windows.emplace_back(new TfrmCambiaPassword(fake.env()));
    windows.emplace_back(new TfrmAvvio(fake.env()));
    windows.emplace_back(new TfrmGuida(fake.env()));
    windows.emplace_back(new TfrmInfo(fake.env()));
    windows.emplace_back(new TfrmSplash(fake.env()));
    windows.emplace_back(new TfrmCopieSicurezza(fake.env(), nullptr));
    windows.emplace_back(new TfrmTrovaInterventi(fake.env(), &card));
    windows.emplace_back(new TfrmPendenti(fake.env(), &card));
    windows.emplace_back(new TfrmExpInterventi(fake.env(), &card));
    windows.emplace_back(new TfrmAllegaCartella(fake.env(), &card, "interventi"));
    windows.emplace_back(new TfrmCalendario(fake.env(), &card, "data"));
    windows.emplace_back(new TfrmCodFisc(fake.env(), &card, ""));
    windows.emplace_back(new TfrmPartitaIva(fake.env(), &card, ""));
    windows.emplace_back(new TfrmCarta(fake.env(), &card, ""));
    windows.emplace_back(new TfrmIban(fake.env(), &card, ""));
    windows.emplace_back(
        new TfrmStampaIntervento(&card, fake.env(), [](std::string_view) { return std::string(); }));
    const auto noValues = [](std::string_view) { return std::string(); };
    windows.emplace_back(new TfrmTrovaDipendenti(fake.env(), &employees));
    windows.emplace_back(new TfrmWebCam(fake.env(), &employees));
    windows.emplace_back(new TfrmSlideshow_Dipendenti(fake.env(), &employees));
    windows.emplace_back(new TfrmZoom(&employees, QImage()));
    windows.emplace_back(new TfrmStampaDipendenti(&employees, fake.env(), noValues, QImage()));
    windows.emplace_back(new TfrmAnteprimaDipendenti(&employees, fake.env(), noValues, QImage()));
    expectAccessible(&employees);
    windows.emplace_back(new TfrmTrovaClienti(fake.env(), "clienti", &clients));
    windows.emplace_back(new TfrmRicontatta(fake.env(), &clients));
    windows.emplace_back(new TfrmExpClienti(fake.env(), &clients));
    windows.emplace_back(new TfrmAllegaExcel(fake.env(), &clients, "Rossi", "1"));
    windows.emplace_back(new TfrmPrivacy(fake.env(), &clients));
    expectAccessible(&clients);
    expectAccessible(&card);
    for (const auto& w : windows) expectAccessible(w.get());
}

TEST(Accessibility, AppointmentWindowsNameTheirFieldsAndPictureButtons) {
    test::FakeEnvironment fake;
    TfrmAgenda agenda(fake.env());
    TfrmArchivio_Scadenze card(fake.env());
    const auto noValues = [](std::string_view) { return std::string(); };
    std::vector<std::unique_ptr<QWidget>> windows;
    windows.emplace_back(new TfrmConfermati(fake.env(), &card));
    windows.emplace_back(new TfrmScaduti(fake.env(), &card));
    windows.emplace_back(new TfrmAssolti(fake.env(), &card));
    windows.emplace_back(new TfrmTrovaScadenze(fake.env(), &card));
    windows.emplace_back(new TfrmExpScadenzario(fake.env(), &card));
    windows.emplace_back(new TfrmStampaScadenza(&card, fake.env(), noValues));
    windows.emplace_back(new TfrmStartup(&card, fake.env(), noValues));
    windows.emplace_back(new TfrmWhatsApp_Message(fake.env(), &agenda));
    windows.emplace_back(new TfrmExpImminenti(fake.env(), &agenda, DateTime{}));
    windows.emplace_back(new TfrmExpGiornaliere(fake.env(), &agenda, DateTime{}));
    windows.emplace_back(new TfrmExpMensili(fake.env(), &agenda, DateTime{}));
    expectAccessible(&agenda);
    expectAccessible(&card);
    for (const auto& w : windows) expectAccessible(w.get());
}

TEST(Accessibility, ContractWindowsNameTheirFieldsAndPictureButtons) {
    test::FakeEnvironment fake;
    TfrmContratto card(fake.env());
    const auto noValues = [](std::string_view) { return std::string(); };
    std::vector<std::unique_ptr<QWidget>> windows;
    windows.emplace_back(new TfrmNumerazione(fake.env(), &card, "contratti"));
    windows.emplace_back(new TfrmLogo(fake.env(), &card));
    windows.emplace_back(new TfrmTrovaContratti(fake.env(), &card));
    windows.emplace_back(new TfrmExpContratti(fake.env(), &card));
    windows.emplace_back(new TfrmStampaCon(&card, fake.env(), noValues));
    windows.emplace_back(new TfrmAnteprimaCon(&card, fake.env(), noValues));
    expectAccessible(&card);
    for (const auto& w : windows) expectAccessible(w.get());
}

}  // namespace
}  // namespace custovia
