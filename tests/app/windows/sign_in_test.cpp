// Signing in, changing the password and moving between the launcher and a work area.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <QTest>
#include <QToolButton>

#include "app/cipher.h"
#include "app/windows/Program.h"
#include "app/windows/TfrmAvvio.h"
#include "app/windows/TfrmCambiaPassword.h"
#include "app/windows/TfrmPassword.h"
#include "archive/ini_file.h"
#include "fakes.h"

namespace custovia {
namespace {

using test::FakeEnvironment;

const QString kWrong = "Attenzione: password errata.";

class SignInTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeStoredPassword(fake.folder(), "guardianottura");
        program = std::make_unique<Program>(fake.env());
        QObject::connect(program.get(), &Program::finished, [this] { ended = true; });
        program->start();
        QApplication::setActiveWindow(program->signIn());
    }

    QLineEdit* edit(QWidget* w, const char* name) { return w->findChild<QLineEdit*>(name); }
    QPushButton* button(QWidget* w, const char* name) { return w->findChild<QPushButton*>(name); }
    void signInWith(const QString& text) {
        auto* password = edit(program->signIn(), "txtPassword");
        password->setFocus();
        password->setText(text);
        QTest::keyClick(password, Qt::Key_Return);
    }
    void changeWith(const QString& old, const QString& fresh, const QString& confirm) {
        TfrmCambiaPassword* w = program->changePassword();
        edit(w, "txtPasswordOld")->setText(old);
        edit(w, "txtPasswordNew")->setText(fresh);
        edit(w, "txtConferma")->setText(confirm);
        button(w, "cmdOK")->click();
    }

    FakeEnvironment fake;
    std::unique_ptr<Program> program;
    bool ended = false;
};

TEST_F(SignInTest, AnyLetterCaseWithSurroundingSpacesOpensTheLauncher) {
    signInWith("  GuardiaNOTTURA ");
    EXPECT_TRUE(fake.messages.shown.empty());
    EXPECT_TRUE(program->launcher()->isVisible());
    EXPECT_FALSE(program->signIn()->isVisible());
}

TEST_F(SignInTest, WrongPasswordIsRefusedAndEmptied) {
    signInWith("guardianotturà");
    EXPECT_EQ(fake.messages.texts(), QStringList{kWrong});
    EXPECT_EQ(fake.messages.last().kind, "plain");
    EXPECT_EQ(edit(program->signIn(), "txtPassword")->text(), "");
    EXPECT_FALSE(program->launcher()->isVisible());
}

TEST_F(SignInTest, OkNeedsMoreThanBlanksAndEnterDoesNothingWithoutIt) {
    auto* ok = button(program->signIn(), "cmdOK");
    EXPECT_FALSE(ok->isEnabled());
    signInWith("   ");
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_TRUE(fake.messages.shown.empty());
    EXPECT_EQ(edit(program->signIn(), "txtPassword")->echoMode(), QLineEdit::Password);
}

TEST_F(SignInTest, StoreThatIsNotHexIsAReadingError) {
    writeIniString(fake.folder() / "unins000.dll", "Accesso", "Valore", "XYZ1");
    signInWith("guardianottura");
    EXPECT_EQ(fake.messages.texts(),
              QStringList{"Attenzione: si è verificato un errore durante la procedura di "
                          "lettura della password. Si consiglia di reinstallare il software."});
    EXPECT_TRUE(program->signIn()->isVisible());
}

TEST_F(SignInTest, MissingStoreRefusesEveryPassword) {
    std::filesystem::remove(fake.folder() / "unins000.dll");
    signInWith("guardianottura");
    EXPECT_EQ(fake.messages.texts(), QStringList{kWrong});
}

TEST_F(SignInTest, ChangingThePasswordWorksAfterARestart) {
    button(program->signIn(), "btnCambiaPassword")->click();
    EXPECT_FALSE(program->signIn()->isVisible());
    EXPECT_TRUE(program->changePassword()->isVisible());

    changeWith("sbagliata", "nuova", "nuova");
    EXPECT_EQ(fake.messages.last().text, "Attenzione: vecchia password errata.");
    EXPECT_EQ(edit(program->changePassword(), "txtPasswordOld")->text(), "");

    changeWith("guardianottura", "Nuova", "nuova");  // confirmation is case-sensitive
    EXPECT_EQ(fake.messages.last().text,
              "Attenzione: la nuova password non è stata confermata correttamente. "
              "E' necessario reinserire entrambi i valori.");
    EXPECT_EQ(edit(program->changePassword(), "txtPasswordNew")->text(), "");

    changeWith("guardianottura", QString(256, 'a'), QString(256, 'a'));
    EXPECT_TRUE(
        fake.messages.last().text.startsWith("Attenzione: la nuova password può contenere al massimo 255"));
    changeWith("guardianottura", "città€", "città€");
    EXPECT_TRUE(
        fake.messages.last().text.startsWith("Attenzione: la nuova password può contenere al massimo 255"));

    changeWith(" GUARDIANOTTURA", " Sentinella ", "Sentinella");
    EXPECT_EQ(fake.messages.last().text, "Modifica della password completata con successo.");
    EXPECT_FALSE(program->changePassword()->isVisible());
    EXPECT_TRUE(program->signIn()->isVisible());

    // a new run of the program reads the new password from the store
    fake.messages.clear();
    program = std::make_unique<Program>(fake.env());
    program->start();
    signInWith("guardianottura");
    EXPECT_EQ(fake.messages.texts(), QStringList{kWrong});
    signInWith("SENTINELLA");
    EXPECT_TRUE(program->launcher()->isVisible());
}

TEST_F(SignInTest, ChangePasswordEnterRingAndOkRule) {
    button(program->signIn(), "btnCambiaPassword")->click();
    TfrmCambiaPassword* w = program->changePassword();
    QApplication::setActiveWindow(w);
    EXPECT_EQ(QApplication::focusWidget(), edit(w, "txtPasswordOld"));
    EXPECT_TRUE(w->findChild<QFrame*>("effPasswordOld")->isVisible());
    EXPECT_FALSE(w->findChild<QFrame*>("effConferma")->isVisible());
    QTest::keyClicks(edit(w, "txtPasswordOld"), "a");
    QTest::keyClick(edit(w, "txtPasswordOld"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), edit(w, "txtPasswordNew"));
    QTest::keyClicks(edit(w, "txtPasswordNew"), "b");
    QTest::keyClick(edit(w, "txtPasswordNew"), Qt::Key_Return);
    EXPECT_FALSE(button(w, "cmdOK")->isEnabled());
    QTest::keyClicks(edit(w, "txtConferma"), "c");
    EXPECT_TRUE(button(w, "cmdOK")->isEnabled());
    QTest::keyClick(edit(w, "txtConferma"), Qt::Key_Return);  // never submits
    EXPECT_EQ(QApplication::focusWidget(), edit(w, "txtPasswordOld"));
    EXPECT_TRUE(fake.messages.shown.empty());
    button(w, "cmdEsci")->click();
    EXPECT_TRUE(program->signIn()->isVisible());
    EXPECT_EQ(edit(program->signIn(), "txtPassword")->text(), "");
}

TEST_F(SignInTest, WorkAreaReturnsToTheLauncherAndTheLauncherEndsTheProgram) {
    signInWith("guardianottura");
    TfrmAvvio* launcher = program->launcher();
    launcher->findChild<QToolButton*>("imgApp05")->click();
    QWidget* area = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "TfrmInterventi") area = w;
    ASSERT_NE(area, nullptr);
    EXPECT_TRUE(area->isVisible());
    EXPECT_FALSE(launcher->isVisible());
    area->close();
    EXPECT_FALSE(area->isVisible());
    EXPECT_TRUE(launcher->isVisible());
    EXPECT_FALSE(ended);  // closing a work area never ends the program

    launcher->findChild<QToolButton*>("imgSito")->click();
    EXPECT_EQ(fake.shell.opened, std::vector<std::string>{"https://www.custovia.it"});
    // the tiles' rows are centred: the shorter second row sits in the middle of the first
    launcher->resize(1600, 1000);
    QApplication::processEvents();
    auto centre = [launcher](const char* tile) {
        QWidget* w = launcher->findChild<QToolButton*>(tile);
        return w->mapTo(launcher, w->rect().center()).x();
    };
    EXPECT_NEAR((centre("imgApp04") + centre("imgApp05")) / 2, centre("imgApp02"), 4);
    launcher->close();
    EXPECT_TRUE(ended);
}

TEST_F(SignInTest, ExitOnTheSignInWindowEndsTheProgram) {
    button(program->signIn(), "cmdEsci")->click();
    EXPECT_TRUE(ended);
}

// The real program in a process of its own, as main() runs it: "Esci" on the sign-in window
// ends the process with status 0, on a fresh start and after the change-password window.
// The child is this test program, running ProgramChild.RunsUntilEsci under an environment
// variable that names the program folder and the way to "Esci".
TEST(ProgramProcess, EsciOnTheSignInWindowEndsTheProcess) {
    if (qEnvironmentVariableIsSet("CUSTOVIA_CHILD_FOLDER")) GTEST_SKIP() << "inside the child";
    for (const char* via : {"start", "change"}) {
        SCOPED_TRACE(via);
        test::TempFolder folder;
        writeStoredPassword(folder.path(), "guardianottura");
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("CUSTOVIA_CHILD_FOLDER", QString::fromStdString(folder.path().string()));
        environment.insert("CUSTOVIA_CHILD_VIA", via);
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=ProgramChild.*"});
        const bool ended = child.waitForFinished(30000);
        if (!ended) child.kill();
        ASSERT_TRUE(ended) << "the program is still running after Esci";
        EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(child.exitCode(), 0);
        EXPECT_TRUE(child.readAllStandardOutput().contains("program ended with 0"));
    }
}

TEST(ProgramChild, RunsUntilEsci) {
    const QString folder = qEnvironmentVariable("CUSTOVIA_CHILD_FOLDER");
    if (folder.isEmpty()) GTEST_SKIP() << "run by ProgramProcess";
    const bool viaChange = qEnvironmentVariable("CUSTOVIA_CHILD_VIA") == "change";
    auto topLevel = [](const char* name) -> QWidget* {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(name) && w->isVisible()) return w;
        return nullptr;
    };
    QTimer::singleShot(100, [&] {
        if (viaChange) {
            topLevel("TfrmPassword")->findChild<QPushButton*>("btnCambiaPassword")->click();
            topLevel("TfrmCambiaPassword")->findChild<QPushButton*>("cmdEsci")->click();
        }
        topLevel("TfrmPassword")->findChild<QPushButton*>("cmdEsci")->click();
    });
    const int status = runProgram(*qApp, folder.toStdString(), folder.toStdString());
    std::printf("program ended with %d\n", status);
    std::fflush(stdout);
    EXPECT_EQ(status, 0);
}

}  // namespace
}  // namespace custovia
