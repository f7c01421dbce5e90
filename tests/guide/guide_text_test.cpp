// The guide's words as the builder reads them: each mark of the form makes its block, a
// {{name}} adds the program's own blocks where it stands, and a line that does not fit the form
// stops the build with its number and its text.
#include <gtest/gtest.h>

#include <stdexcept>

#include "tools/guide/GuideText.h"

namespace custovia::guide {
namespace {

// A chapter written out a block a line, so that a difference shows where it is.
std::string written(const std::vector<GuideChapter>& chapters) {
    static const char* const kinds[] = {"section", "subheading", "paragraph", "steps",
                                        "bullets", "note",       "picture"};
    std::string out;
    for (const GuideChapter& c : chapters) {
        out += "chapter [" + c.title.toStdString() + "]\n";
        for (const GuideBlock& b : c.blocks) {
            out += std::string(kinds[int(b.kind)]) + " [" + b.text.toStdString() + "]";
            if (!b.picture.isEmpty()) out += " picture [" + b.picture.toStdString() + "]";
            for (const QString& item : b.items) out += " item [" + item.toStdString() + "]";
            out += "\n";
        }
    }
    return out;
}

const GuideInsertions kInsertions{
    {QStringLiteral("program-texts"), [](GuideChapter& c) {
         c.section(QStringLiteral("Dal programma")).paragraph(QStringLiteral("Un testo del programma."));
     }}};

std::vector<GuideChapter> read(const char* text) {
    return readGuideText(QString::fromUtf8(text), kInsertions, QStringLiteral("Guida.md"));
}

TEST(GuideText, EachMarkMakesItsBlockInOrder) {
    const struct {
        const char* text;
        std::vector<GuideChapter> chapters;
    } cases[] = {
        {"<!-- for whoever edits -->\n"
         "# Per cominciare\n"
         "Premere **Salva**: la scheda è salvata.\n"
         "\n"
         "## Il primo accesso\r\n"
         "### Lavorare in rete   \n"
         "1. Avviare Custovia.\n"
         "2. Digitare la password.\n"
         "\n"
         "1. Un altro elenco.\n"
         "\n"
         "- **Nuovo**: una scheda vuota.\n"
         "\n"
         "- Un altro elenco puntato.\n"
         "> Le schede non si cancellano.\n"
         "\n"
         "![La finestra di accesso.](cambia_password)\n"
         "{{program-texts}}\n"
         "Dopo il testo del programma.\n"
         "\n"
         "# Le schede\n",
         {GuideChapter{QStringLiteral("Per cominciare"), {}}
              .paragraph(QStringLiteral("Premere **Salva**: la scheda è salvata."))
              .section(QStringLiteral("Il primo accesso"))
              .subheading(QStringLiteral("Lavorare in rete"))
              .steps({QStringLiteral("Avviare Custovia."), QStringLiteral("Digitare la password.")})
              .steps({QStringLiteral("Un altro elenco.")})
              .bullets({QStringLiteral("**Nuovo**: una scheda vuota.")})
              .bullets({QStringLiteral("Un altro elenco puntato.")})
              .note(QStringLiteral("Le schede non si cancellano."))
              .picture(QStringLiteral("cambia_password"), QStringLiteral("La finestra di accesso."))
              .section(QStringLiteral("Dal programma"))
              .paragraph(QStringLiteral("Un testo del programma."))
              .paragraph(QStringLiteral("Dopo il testo del programma.")),
          GuideChapter{QStringLiteral("Le schede"), {}}}},
        // a picture's caption may hold brackets; a line that only starts with a number is text
        {"# A\n![Il calendario (aperto) [qui].](calendario)\n2026 è l'anno.",
         {GuideChapter{QStringLiteral("A"), {}}
              .picture(QStringLiteral("calendario"), QStringLiteral("Il calendario (aperto) [qui]."))
              .paragraph(QStringLiteral("2026 è l'anno."))}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(written(read(c.text)), written(c.chapters));
    }
}

TEST(GuideText, ALineOutOfTheFormStopsTheBuildNamingIt) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"Testo senza capitolo.", "Guida.md:1: text before the first chapter: \"Testo senza capitolo.\""},
        {"# A\nUna riga.\nUn'altra riga.",
         "Guida.md:3: a blank line must come before this line: \"Un'altra riga.\""},
        {"# A\n- Una voce.\nil seguito",
         "Guida.md:3: a blank line must come before this line: \"il seguito\""},
        {"# A\n> Una nota.\n> il seguito",
         "Guida.md:3: a blank line must come before this line: \"> il seguito\""},
        {"# A\nUna riga.\n![Il calendario.](calendario)",
         "Guida.md:3: a blank line must come before this line"},
        {"# A\n1. Primo.\n3. Terzo.", "Guida.md:3: step 3 where step 2 was due: \"3. Terzo.\""},
        {"# A\n\n2. Secondo.", "Guida.md:3: step 2 where step 1 was due: \"2. Secondo.\""},
        {"# A\n1. Primo.\n- Una voce.", "Guida.md:3: steps and bullets in one list: \"- Una voce.\""},
        {"# A\n#### Troppo in basso", "Guida.md:2: a mark is"},
        {"# A\n* Una voce.", "Guida.md:2: a mark is"},
        {"# A\n- ", "Guida.md:2: a mark is"},
        {"# A\n-  Una voce.", "Guida.md:2: one blank after the mark, then the text: \"-  Una voce.\""},
        {"# A\n  rientrato", "Guida.md:2: a line must not start with a blank"},
        {"# A\nPremere **Salva.", "Guida.md:2: a bold mark (**) left open: \"Premere **Salva.\""},
        {"# A\n![Una didascalia]", "Guida.md:2: a picture is ![caption](name): \"![Una didascalia]\""},
        {"# A\n{{testi-mancanti}}", "Guida.md:2: no such insertion: \"{{testi-mancanti}}\""},
        {"# A\n<!-- un commento", "Guida.md:2: a remark must end on its line"},
        {"<!-- solo un commento -->\n", "Guida.md: no chapter"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            read(c.text);
            ADD_FAILURE() << "read without a word";
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()).rfind(c.message, 0), 0u) << e.what();
        }
    }
}

}  // namespace
}  // namespace custovia::guide
