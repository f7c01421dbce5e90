// What the five card editors share through their tables: a Duplicate that cannot reach the
// archive still makes a new card, and fields that hold digits show their capacity whole.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <functional>
#include <memory>

#include "appointments/windows/TfrmArchivio_Scadenze.h"
#include "clients/windows/TfrmClienti.h"
#include "contracts/windows/TfrmContratto.h"
#include "emergencies/windows/TfrmInterventi.h"
#include "employees/windows/TfrmDipendenti.h"
#include "fakes.h"

namespace custovia {
namespace {

struct Editor {
    const char* name;
    std::function<std::unique_ptr<CardEditor>(Environment&)> make;
};

template <class Window>
Editor editor(const char* name) {
    return {name, [](Environment& env) { return std::make_unique<Window>(env); }};
}

const Editor kEditors[] = {
    editor<TfrmInterventi>("interventions"), editor<TfrmClienti>("clients"),
    editor<TfrmDipendenti>("employees"),     editor<TfrmArchivio_Scadenze>("appointments"),
    editor<TfrmContratto>("contracts"),
};

TEST(CardEditors, ADuplicateThatCannotReachTheArchiveIsStillANewCard) {
    for (const Editor& e : kEditors) {
        SCOPED_TRACE(e.name);
        test::FakeEnvironment fake;
        std::unique_ptr<CardEditor> card = e.make(fake.env());
        card->show();
        for (const RequiredField& r : card->config().required)
            if (card->fieldText(r.name).trimmed().isEmpty()) card->setFieldText(r.name, "1");
        card->trigger("cmdSalva");
        ASSERT_EQ(card->position(), "1");
        const std::filesystem::path file = fake.folder() / card->config().archiveFile;
        const std::string original = test::readBytes(file);

        // the archive cannot be reached while the card is duplicated
        std::filesystem::remove(file);
        std::filesystem::create_directory(file);
        const Record before = card->screenRecord();
        fake.messages.clear();
        card->trigger("cmdDuplica");
        EXPECT_EQ(card->position(), "");
        if (card->config().duplicateReachesArchive) {
            EXPECT_EQ(fake.messages.last().kind, "error");
            EXPECT_EQ(card->screenRecord().bytes(), before.bytes());  // the fields as they were
        }

        // with the archive back, Save adds the copy and the original stays as it was
        std::filesystem::remove(file);
        test::writeBytes(file, original);
        card->trigger("cmdSalva");
        EXPECT_EQ(card->position(), "2");
        EXPECT_EQ(test::readBytes(file).substr(0, original.size()), original);
    }
}

TEST(CardEditors, FieldsOfDigitsShowTheirCapacityWhole) {
    for (const Editor& e : kEditors) {
        SCOPED_TRACE(e.name);
        test::FakeEnvironment fake;
        std::unique_ptr<CardEditor> card = e.make(fake.env());
        card->show();
        QApplication::processEvents();
        int digitFields = 0;
        for (const CardField& f : card->config().fields) {
            auto* edit = qobject_cast<QLineEdit*>(card->control(f.name));
            if (!edit || !(f.rules & (DigitsOnly | DigitWidth))) continue;
            ++digitFields;
            const QFontMetrics metrics(edit->font());
            QChar widest = '0';
            for (char c = '0'; c <= '9'; ++c)
                if (metrics.horizontalAdvance(QLatin1Char(c)) > metrics.horizontalAdvance(widest)) widest = c;
            const QString full(edit->maxLength(), widest);
            edit->setText(full);
            edit->setCursorPosition(full.size());
            edit->grab();  // painted, the edit scrolls to show its cursor
            // with the cursor after the last digit, the first one is still in view
            EXPECT_EQ(edit->cursorPositionAt(QPoint(6, edit->height() / 2)), 0) << f.name.toStdString();
        }
        EXPECT_GT(digitFields, 0);
    }
}

}  // namespace
}  // namespace custovia
