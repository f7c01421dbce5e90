// The register of messages sent: the bytes of its lines, appending under the lock, the
// hand-over to the shell, and the reading, selection and rows of its window.
#include <gtest/gtest.h>

#include <map>
#include <thread>

#include "archive/message_register.h"
#include "archive/text.h"
#include "tests/support/fake_shell.h"
#include "tests/support/faulty_files.h"
#include "tests/support/files.h"
#include "tests/support/workers.h"

namespace custovia {
namespace {

const DateTime kAt{2024, 5, 15, 10, 7, 3};

class MessageRegister : public ::testing::Test {
protected:
    std::filesystem::path file() const { return folder_.path() / "Registro_Messaggi.txt"; }
    test::TempFolder folder_;
};

TEST_F(MessageRegister, ALineIsSevenTabbedFieldsInWindows1252WithBlanksForTabsAndLineBreaks) {
    const OutgoingMessage message{MessageKind::WhatsApp, "3471234567",
                                  "Guasto\tin via\r\nRoma è \xE2\x82\xAC 5 \xF0\x9F\x98\x80 fine\n"};
    appendToRegister(file(), registerLine(kAt, {"Coordinamento\nEmergenze", "12"}, message, true));
    appendToRegister(file(), registerLine({2024, 12, 1, 9, 5, 0}, {"Clienti e Servizi", ""},
                                          emailMessage(" a@b.it "), false));
    EXPECT_EQ(test::readBytes(file()),
              "15/05/2024\t10:07:03\tCoordinamento Emergenze\t12\tWhatsApp\t3471234567\t"
              "Guasto in via  Roma \xE8 \x80 5 ? fine \r\n"
              "01/12/2024\t09:05:00\tClienti e Servizi\t\te-mail (non inviato)\ta@b.it\t\r\n");
}

TEST_F(MessageRegister, AnAppendAfterACutLineStartsANewLineAndNeverTouchesWhatIsThere) {
    const std::string line = registerLine(kAt, {"Agenda Appuntamenti", "3"}, emailMessage("x@y.it"), true);
    for (const std::string before : {"", "01/05/2024\t08:00", "01/05/2024\r", "intero\r\n"}) {
        test::writeBytes(file(), before);
        appendToRegister(file(), line);
        const std::string expected = before + (before.empty() || before.back() == '\n' ? "" : "\r\n") + line;
        EXPECT_EQ(test::readBytes(file()), expected) << before;
    }
}

TEST_F(MessageRegister, TwoProcessesAppendingAtOnceKeepEveryLineWhole) {
    std::thread a([&] { EXPECT_EQ(test::runWorkerProcess("register", {file().string(), "2000", "A"}), 0); });
    std::thread b([&] { EXPECT_EQ(test::runWorkerProcess("register", {file().string(), "2000", "B"}), 0); });
    a.join();
    b.join();
    const std::string content = test::readBytes(file());
    std::map<char, int> next{{'A', 0}, {'B', 0}};
    std::size_t lines = 0;
    for (std::size_t begin = 0; begin < content.size(); ++lines) {
        const std::size_t end = content.find("\r\n", begin);
        ASSERT_NE(end, std::string::npos);
        const RegisterFields f = registerFields(std::string_view(content).substr(begin, end - begin));
        // every field of a line names the same writer and serial: nothing of another line is in it
        const std::string mark(f[2]);
        ASSERT_TRUE(mark == "A" + std::to_string(next['A']) || mark == "B" + std::to_string(next['B']))
            << mark;
        ++next[mark[0]];
        EXPECT_EQ(f[3], mark);
        EXPECT_EQ(f[5], mark);
        EXPECT_EQ(f[6], std::string(2000, mark[0]) + mark);
        begin = end + 2;
    }
    EXPECT_EQ(lines, 4000u);
    EXPECT_EQ(next['A'], 2000);
    EXPECT_EQ(next['B'], 2000);
}

TEST_F(MessageRegister, TheMessageIsHandedOverThenRegisteredAsTheShellTookItOrNot) {
    test::FakeShell shell;
    const OutgoingMessage message = whatsAppMessage(" 3331234567 ", "A & B #1");
    EXPECT_TRUE(sendAndRegister(shell, kAt, {"Schedario Appuntamenti", "7"}, message, file()));
    shell.refuses = true;
    EXPECT_FALSE(sendAndRegister(shell, kAt, {"Schedario Appuntamenti", "7"}, message, file()));
    const std::string address = "https://web.whatsapp.com/send?phone=3331234567&text=A%20%26%20B%20%231";
    EXPECT_EQ(shell.opened, (std::vector<std::string>{address, address}));
    EXPECT_EQ(
        test::readBytes(file()),
        "15/05/2024\t10:07:03\tSchedario Appuntamenti\t7\tWhatsApp\t3331234567\tA & B #1\r\n"
        "15/05/2024\t10:07:03\tSchedario Appuntamenti\t7\tWhatsApp (non inviato)\t3331234567\tA & B #1\r\n");

    // a register that cannot be written is an error, once the message has gone
    std::filesystem::create_directory(folder_.path() / "Cartella");
    shell.refuses = false;
    EXPECT_THROW(sendAndRegister(shell, kAt, {}, message, folder_.path() / "Cartella"), ArchiveError);
    test::FaultyFiles full;
    full.writesBeforeFailure = 0;
    EXPECT_THROW(sendAndRegister(shell, kAt, {}, message, file(), full), ArchiveError);
    EXPECT_EQ(shell.opened.size(), 4u);
}

TEST_F(MessageRegister, TheListTakesTheFilteredLinesNewestFirstEvenFromACutOrHandWrittenFile) {
    EXPECT_EQ(readRegister(file()), "");
    EXPECT_FALSE(std::filesystem::exists(file()));  // reading never creates the register
    test::writeBytes(file(),
                     "01/05/2024\t08:00:00\tCoordinamento Emergenze\t1\tWhatsApp\t3471234567\tSoccorso in "
                     "via Roma\r\n"
                     "\r\n"
                     "02/05/2024\t09:00:00\tClienti e Servizi\t4\te-mail\tROSSI@example.it\t\n"
                     "03/05/2024\t10:00:00\tAgenda Appuntamenti\t\tWhatsApp\t3331234567\tciao\textra\r\n"
                     "04/05/2024\t11:00:00\tClienti");
    const std::string content = readRegister(file());
    const auto dates = [](const std::vector<std::string_view>& lines) {
        std::vector<std::string> out;
        for (const std::string_view line : lines) out.emplace_back(registerFields(line)[0]);
        return out;
    };
    const auto select = [&](std::string area, std::string to, std::string text) {
        return dates(selectRegisterLines(
            content,
            {{"area", std::move(area)}, {"destinatario", std::move(to)}, {"testo", std::move(text)}}));
    };
    EXPECT_EQ(select("", "", ""),
              (std::vector<std::string>{"04/05/2024", "03/05/2024", "02/05/2024", "01/05/2024"}));
    EXPECT_EQ(select("clienti", "", ""), (std::vector<std::string>{"04/05/2024", "02/05/2024"}));
    EXPECT_EQ(select("CLIENTI", "rossi", ""), (std::vector<std::string>{"02/05/2024"}));
    EXPECT_EQ(select("", "", "VIA roma"), (std::vector<std::string>{"01/05/2024"}));
    EXPECT_EQ(select("", "333", "extra"),
              (std::vector<std::string>{"03/05/2024"}));  // a stray tab stays in the text

    const std::vector<std::string_view> all = selectRegisterLines(content, {});
    EXPECT_EQ(registerFields(all[0])[2], "Clienti");
    EXPECT_EQ(registerFields(all[0])[6], "");
    EXPECT_EQ(registerRow(all[3]),
              "01/05/2024 08:00:00  Coordinamento Emergenze  Scheda 1       WhatsApp                "
              "3471234567                      Soccorso in via Roma");
    EXPECT_EQ(registerRow(all[1]).substr(0, 60),
              "03/05/2024 10:00:00  Agenda Appuntamenti      Scheda        ");

    GridRows grid(kRegisterFieldCount + 1);
    addRegisterRows({all[1], all[3]}, grid);
    ASSERT_EQ(grid.rowCount(), 2u);
    EXPECT_EQ(grid.cell(0, 0), "1");
    EXPECT_EQ(grid.cell(0, 7), "ciao extra");
    EXPECT_EQ(grid.cell(1, 0), "2");
    EXPECT_EQ(grid.cell(1, 3), "Coordinamento Emergenze");
    EXPECT_EQ(grid.cell(1, 6), "3471234567");
}

}  // namespace
}  // namespace custovia
