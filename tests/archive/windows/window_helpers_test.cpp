// The shared window-test helper that opens a modal window from a button: a click that opens
// no modal window fails the test, and nothing of it is left to run later.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPushButton>

#include "window_helpers.h"

namespace custovia {
namespace {

TEST(OpenModalFrom, HandsOverTheModalWindowAndClosesWhatIsLeftOpen) {
    QPushButton button;
    button.setObjectName("btnApri");
    QDialog window;
    window.setObjectName("Finestra");
    int result = -1;
    QObject::connect(&button, &QPushButton::clicked, [&] { result = window.exec(); });
    QString seen;
    test::openModalFrom(&button, [&](QDialog* w) { seen = w->objectName(); });
    EXPECT_EQ(seen, "Finestra");
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_FALSE(window.isVisible());
}

TEST(OpenModalFrom, AClickThatOpensNoModalWindowFails) {
    QPushButton button;
    button.setObjectName("btnNiente");
    QDialog modeless;
    QObject::connect(&button, &QPushButton::clicked, [&] { modeless.show(); });
    bool looked = false;
    EXPECT_NONFATAL_FAILURE(test::openModalFrom(&button, [&](QDialog*) { looked = true; }),
                            "btnNiente opened no modal window");
    // a modal window opened afterwards is not looked into
    QDialog later;
    later.setModal(true);
    later.show();
    QApplication::processEvents();
    EXPECT_FALSE(looked);
}

}  // namespace
}  // namespace custovia
