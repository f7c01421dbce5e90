#include "tests/support/workers.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "archive/archive.h"
#include "archive/message_register.h"
#include "emergencies/interventions.h"

namespace custovia::test {
namespace {

// append PATH COUNT TAG: appends COUNT cards of a two-field layout, each naming its writer.
int appendCards(int argc, char** argv) {
    if (argc < 3) return 2;
    static const RecordLayout layout{{"txtWriter", 20}, {"txtSerial", 10}};
    Archive archive(argv[0], layout);
    const int count = std::atoi(argv[1]);
    for (int i = 0; i < count; ++i) {
        Record r(layout);
        r.set(0, argv[2]);
        r.set(1, std::to_string(i));
        archive.append(r);
    }
    return 0;
}

// register PATH COUNT TAG: appends COUNT long messages to the message register, each naming
// its writer and its serial in every field.
int registerMessages(int argc, char** argv) {
    if (argc < 3) return 2;
    const int count = std::atoi(argv[1]);
    const std::string tag = argv[2];
    for (int i = 0; i < count; ++i) {
        const std::string mark = tag + std::to_string(i);
        const OutgoingMessage message{MessageKind::WhatsApp, mark, std::string(2000, tag[0]) + mark};
        appendToRegister(argv[0], registerLine({2024, 5, 15, 10, 7, 3}, {mark, mark}, message, true));
    }
    return 0;
}

// append-interventions PATH COUNT: appends COUNT intervention cards, each with its serial number
// in three fields far apart, so that a card copied half written shows.
int appendInterventions(int argc, char** argv) {
    if (argc < 2) return 2;
    Archive archive(argv[0], interventionLayout());
    const int count = std::atoi(argv[1]);
    for (int i = 0; i < count; ++i) {
        const std::string serial = std::to_string(i);
        Record r(interventionLayout());
        r.set("txtData", "15/05/2024");
        r.set("txtUtente", serial);
        r.set("txtGuasto", std::string(240, 'g') + serial);
        r.set("lblDesc03", std::string(240, 'd') + serial);
        archive.append(r);
    }
    return 0;
}

std::string& self() {
    static std::string path;
    return path;
}

}  // namespace

void rememberSelf(const char* argv0) { self() = std::filesystem::absolute(argv0).string(); }

int runWorkerProcess(const std::string& name, const std::vector<std::string>& args) {
    std::string command = "\"" + self() + "\" --worker " + name;
    for (const std::string& arg : args) command += " \"" + arg + "\"";
#ifdef _WIN32
    // cmd.exe drops the outer quotes of a line that begins with one
    command = "\"" + command + "\"";
#endif
    return std::system(command.c_str());
}

int runWorker(int argc, char** argv) {
    if (argc < 1) return 2;
    const std::string name = argv[0];
    try {
        if (name == "append") return appendCards(argc - 1, argv + 1);
        if (name == "register") return registerMessages(argc - 1, argv + 1);
        if (name == "append-interventions") return appendInterventions(argc - 1, argv + 1);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "worker failed: %s\n", e.what());
        return 1;
    }
    return 2;
}

}  // namespace custovia::test
