// The help, information and splash windows, and every help button and launcher icon that
// opens them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include "app/help.h"
#include "app/windows/TfrmAvvio.h"
#include "app/windows/TfrmGuida.h"
#include "app/windows/TfrmInfo.h"
#include "app/windows/TfrmSplash.h"
#include "archive/shell.h"
#include "clients/windows/TfrmExpClienti.h"
#include "emergencies/windows/TfrmExpInterventi.h"
#include "emergencies/windows/TfrmInterventi.h"
#include "fakes.h"

namespace custovia {
namespace {

using test::FakeEnvironment;

QString q(const std::string& text) { return QString::fromStdString(text); }

// What a click opened: the modal window's class, caption and, for help, title and body.
struct Opened {
    QString className, caption, title, body;
};

// Runs the click and reports the modal window it opened, which is then closed.
Opened openFrom(const std::function<void()>& click) {
    Opened seen;
    QTimer::singleShot(0, [&] {
        QWidget* window = QApplication::activeModalWidget();
        if (!window) return;
        seen.className = QString::fromLatin1(window->metaObject()->className());
        seen.caption = window->windowTitle();
        if (auto* help = qobject_cast<TfrmGuida*>(window)) {
            seen.title = help->title();
            seen.body = help->body();
        }
        window->findChild<QPushButton*>("btnChiudi")->click();
    });
    click();
    return seen;
}

void clickTool(QWidget* window, const char* name) {
    auto* button = window->findChild<QToolButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    button->click();
}

void clickLink(QWidget* window) {
    auto* link = window->findChild<QLabel*>("lnkWeb");
    ASSERT_NE(link, nullptr);
    QTest::mouseClick(link, Qt::LeftButton);
}

TEST(HelpWindow, ShowsTheTitledTextInAReadOnlyReader) {
    FakeEnvironment fake;
    TfrmGuida window(fake.env());
    EXPECT_EQ(window.windowTitle(), " Guida all'utilizzo del software");
    EXPECT_EQ(window.title(), "Argomento della guida.");
    EXPECT_EQ(window.size(), QSize(670, 572));
    EXPECT_FALSE(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));

    window.setTopic(HelpTopic::Clients);
    const HelpPage page = helpPage(HelpTopic::Clients);
    EXPECT_EQ(window.title(), "App Clienti e Servizi");
    EXPECT_EQ(window.body(), q(page.body()));
    auto* text = window.findChild<QTextBrowser*>("txtGuida");
    ASSERT_NE(text, nullptr);
    // one empty line between paragraphs, and nothing to edit but everything to select
    EXPECT_EQ(text->toPlainText(), q(page.body()).replace("\r\n", "\n"));
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_TRUE(text->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    EXPECT_TRUE(text->font().bold());
    EXPECT_EQ(text->font().pointSize(), 12);
    EXPECT_EQ(text->font().family(), "Verdana");
    EXPECT_EQ(text->lineWrapMode(), QTextEdit::WidgetWidth);

    // keyboard: the reader takes the focus and Page Down scrolls a long text
    window.setTopic(HelpTopic::General);
    window.show();
    QApplication::setActiveWindow(&window);
    EXPECT_EQ(QApplication::focusWidget(), text);
    QTest::keyClick(text, Qt::Key_PageDown);
    EXPECT_GT(text->verticalScrollBar()->value(), 0);
}

TEST(HelpWindow, PdfLinkAndIconHandTheDeliveredGuideToTheShell) {
    FakeEnvironment fake;
    // an installed program: the guide is in the share folder, not among the data
    test::TempFolder delivered;
    fake.env().delivered = delivered.path();
    TfrmGuida window(fake.env());
    window.show();
    EXPECT_EQ(window.findChild<QLabel*>("lnkWeb")->text(), "Visualizza guida in formato PDF");
    clickLink(&window);
    clickTool(&window, "imgPDF");
    const std::string guide = quotedPath(delivered.path() / "Guida.pdf");
    EXPECT_EQ(fake.shell.opened, (std::vector<std::string>{guide, guide}));
    EXPECT_EQ(guide.front(), '"');
}

TEST(HelpButtons, EveryHelpButtonOpensItsTitleAndText) {
    FakeEnvironment fake;
    TfrmAvvio launcher(fake.env());
    TfrmInterventi interventions(fake.env());
    TfrmExpInterventi interventionExport(fake.env(), &interventions);
    TfrmExpClienti clientExport(fake.env(), &launcher);
    struct Case {
        QWidget* window;
        const char* button;
        HelpTopic topic;
        const char* title;
    };
    const Case cases[] = {
        {&launcher, "imgGuida", HelpTopic::General, "Uno sguardo a Custovia"},
        {&interventions, "cmdGuida", HelpTopic::Interventions, "App Coordinamento Emergenze"},
        {&interventionExport, "cmdGuida", HelpTopic::ExportInterventions,
         "Esportazione archivio interventi in Excel"},
        {&clientExport, "cmdGuida", HelpTopic::ExportClients, "Esportazione archivio clienti in Excel"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        const Opened opened = openFrom([&] { clickTool(c.window, c.button); });
        EXPECT_EQ(opened.className, "custovia::TfrmGuida");
        EXPECT_EQ(opened.caption, " Guida all'utilizzo del software");
        EXPECT_EQ(opened.title, c.title);
        EXPECT_EQ(opened.body, q(helpPage(c.topic).body()));
        // a per-use window: gone once closed
        EXPECT_EQ(c.window->findChild<TfrmGuida*>(), nullptr);
    }
}

TEST(LauncherIcons, InformationAndSplashOpenAndAreDestroyedOnClose) {
    FakeEnvironment fake;
    TfrmAvvio launcher(fake.env());
    const Opened info = openFrom([&] { clickTool(&launcher, "imgInfo"); });
    EXPECT_EQ(info.className, "custovia::TfrmInfo");
    EXPECT_EQ(info.caption, " Informazioni su Custovia");
    const Opened splash = openFrom([&] { clickTool(&launcher, "imgCopyright"); });
    EXPECT_EQ(splash.className, "custovia::TfrmSplash");
    EXPECT_TRUE(splash.caption.startsWith("Custovia")) << splash.caption.toStdString();
    EXPECT_EQ(launcher.findChild<QDialog*>(), nullptr);
    EXPECT_TRUE(fake.shell.opened.empty());
}

TEST(InformationWindow, EmailLinkWritesToTheMakerThroughTheShell) {
    FakeEnvironment fake;
    TfrmInfo window(fake.env());
    window.show();
    EXPECT_EQ(window.size(), QSize(473, 579));
    EXPECT_EQ(window.findChild<QLabel*>("lnkWeb")->text(), "assistenza@custovia.it");
    clickLink(&window);
    clickTool(&window, "imgEmail");
    EXPECT_EQ(fake.shell.opened,
              (std::vector<std::string>{mailtoLink(kMakerEmail), mailtoLink(kMakerEmail)}));
    EXPECT_EQ(fake.shell.opened.front(), "\"mailto:assistenza@custovia.it\"");
    window.findChild<QPushButton*>("btnChiudi")->click();
    EXPECT_FALSE(window.isVisible());
}

TEST(InformationWindow, SaysWhereTheDataFolderIsWithinItsFixedSize) {
    FakeEnvironment fake;
    const auto shown = [&](const std::filesystem::path& folder) {
        fake.env().folder = folder;
        TfrmInfo window(fake.env());
        window.show();
        EXPECT_EQ(window.size(), QSize(473, 579));
        auto* label = window.findChild<QLabel*>("lblCartellaDati");
        EXPECT_NE(label, nullptr);
        if (!label) return std::pair<QString, QString>();
        EXPECT_LE(label->sizeHint().width(), window.width());
        return std::pair(label->text(), label->toolTip());
    };
    const auto [text, tip] = shown("/home/anna/.local/share/Custovia");
    EXPECT_EQ(text, "Cartella dei dati: /home/anna/.local/share/Custovia");
    EXPECT_EQ(tip, "/home/anna/.local/share/Custovia");

    // a long path on a shared disk keeps its start and its end; the whole path is the tip
    const std::string deep = "/mnt/ufficio/" + std::string(200, 'x') + "/Archivi Vigilanza";
    const auto [longText, longTip] = shown(deep);
    EXPECT_TRUE(longText.startsWith("Cartella dei dati: /mnt/")) << longText.toStdString();
    EXPECT_TRUE(longText.endsWith("/Archivi Vigilanza")) << longText.toStdString();
    EXPECT_EQ(longTip, q(deep));
}

TEST(SplashWindow, WebLinkOpensTheMakersWebsiteAndSitsOverItsOwner) {
    FakeEnvironment fake;
    QWidget owner;
    owner.setGeometry(100, 80, 1000, 800);
    owner.show();
    TfrmSplash window(fake.env(), &owner);
    window.show();
    EXPECT_EQ(window.size(), QSize(661, 467));
    EXPECT_EQ(window.findChild<QLabel*>("lnkWeb")->text(), "www.custovia.it");
    // centred on the owner, give or take its frame
    EXPECT_LE((window.geometry().center() - owner.geometry().center()).manhattanLength(), 6);
    clickLink(&window);
    clickTool(&window, "imgWeb");
    EXPECT_EQ(fake.shell.opened,
              (std::vector<std::string>{"https://www.custovia.it", "https://www.custovia.it"}));
    window.findChild<QPushButton*>("btnChiudi")->click();
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace custovia
