// The webcam window over a scripted camera, the slide show over ticks of a fake timer, and the
// zoom window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "archive/archive.h"
#include "employees/employee_photos.h"
#include "employees/employees.h"
#include "employees/windows/EmployeePictures.h"
#include "employees/windows/TfrmDipendenti.h"
#include "employees/windows/TfrmSlideshow_Dipendenti.h"
#include "employees/windows/TfrmWebCam.h"
#include "employees/windows/TfrmZoom.h"
#include "fakes.h"
#include "photo_support.h"

namespace custovia {
namespace {

namespace fs = std::filesystem;
using test::FakeEnvironment;

class WebCamTest : public ::testing::Test {
protected:
    void SetUp() override {
        card = std::make_unique<TfrmDipendenti>(fake.env());
        card->show();
        window = std::make_unique<TfrmWebCam>(fake.env(), card.get());
        window->setModeTag("euro_01");
        window->show();
    }
    void press(const char* name) { window->findChild<QPushButton*>(name)->click(); }

    FakeEnvironment fake;
    std::unique_ptr<TfrmDipendenti> card;
    std::unique_ptr<TfrmWebCam> window;
};

TEST_F(WebCamTest, CaptureKeepsTheFrameOfThatMomentAndImportPutsItIntoTheCard) {
    EXPECT_EQ(window->windowTitle(), " Cattura foto con webcam");
    fake.camera.script({test::solidPicture(Qt::red, {640, 480}), test::solidPicture(Qt::green, {640, 480})});
    press("btnAccendi");
    EXPECT_TRUE(fake.camera.running());
    ASSERT_TRUE(fake.camera.yieldFrame());
    EXPECT_TRUE(test::showsColour(window->livePicture(), Qt::red));
    press("btnCattura");
    ASSERT_TRUE(fake.camera.yieldFrame());  // the camera keeps running
    EXPECT_TRUE(test::showsColour(window->livePicture(), Qt::green));
    EXPECT_TRUE(test::showsColour(window->capturedPicture(), Qt::red));
    EXPECT_TRUE(test::looksLike(card->photo(), guardPlaceholder()));  // nothing imported yet
    press("btnImportaFoto");
    EXPECT_FALSE(fake.camera.running());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_TRUE(test::showsColour(card->photo(), Qt::red));
    EXPECT_FALSE(fs::exists(employeePhotoFile(fake.folder(), 1)));  // stored at the card's Save
}

TEST_F(WebCamTest, SwitchingOffKeepsTheLastFrameAndImportWithoutCaptureGivesTheCameraPicture) {
    fake.camera.script({test::solidPicture(Qt::blue)});
    press("btnAccendi");
    fake.camera.yieldFrame();
    press("btnSpegni");
    EXPECT_FALSE(fake.camera.running());
    EXPECT_TRUE(test::showsColour(window->livePicture(), Qt::blue));
    press("btnImportaFoto");
    EXPECT_TRUE(test::looksLike(card->photo(), cameraPlaceholder()));
}

TEST_F(WebCamTest, CancelStopsTheRunningCameraAndLeavesTheCard) {
    fake.camera.script({test::solidPicture(Qt::red)});
    press("btnAccendi");
    fake.camera.yieldFrame();
    press("btnCattura");
    const int stops = fake.camera.stops;
    press("btnClose");
    EXPECT_FALSE(fake.camera.running());
    EXPECT_GT(fake.camera.stops, stops);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(test::looksLike(card->photo(), guardPlaceholder()));
}

TEST_F(WebCamTest, WithoutACameraTheWindowSaysSoAndStaysUsable) {
    window.reset();
    fake.camera.present = false;
    window = std::make_unique<TfrmWebCam>(fake.env(), card.get());
    window->setModeTag("euro_01");
    window->show();
    auto* status = window->findChild<QLabel*>("lblStato");
    EXPECT_EQ(status->text(), "Nessuna webcam disponibile su questo computer.");
    press("btnAccendi");
    EXPECT_EQ(status->text(), "Nessuna webcam disponibile su questo computer.");
    press("btnCattura");  // the live frame's placeholder becomes the capture
    EXPECT_TRUE(test::looksLike(window->capturedPicture(), webcamPlaceholder()));
    fake.fileDialogs.choose({QString::fromStdString((fake.folder() / "cam").string())});
    press("btnSalvaFotogramma");
    EXPECT_TRUE(test::looksLike(readPicture(fake.folder() / "cam.jpg"), webcamPlaceholder()));
    press("btnImportaFoto");
    EXPECT_TRUE(test::looksLike(card->photo(), webcamPlaceholder()));
}

TEST_F(WebCamTest, AFailedSaveToDiskWarnsAndKeepsTheCapture) {
    fake.camera.script({test::solidPicture(Qt::red)});
    press("btnAccendi");
    fake.camera.yieldFrame();
    press("btnCattura");
    fs::create_directories(fake.folder() / "occupato.jpg");
    fake.fileDialogs.choose({QString::fromStdString((fake.folder() / "occupato.jpg").string())});
    press("btnSalvaFotogramma");
    EXPECT_EQ(fake.messages.last().kind, "warning");
    EXPECT_TRUE(test::showsColour(window->capturedPicture(), Qt::red));
    EXPECT_TRUE(fake.camera.running());
}

class SlideShowTest : public ::testing::Test {
protected:
    void storeEmployees(int count) {
        Archive file(fake.folder() / kEmployeesFile, employeeLayout());
        for (int i = 0; i < count; ++i) file.append(Record(employeeLayout()));
    }
    std::unique_ptr<TfrmSlideshow_Dipendenti> open() {
        auto show = std::make_unique<TfrmSlideshow_Dipendenti>(fake.env(), nullptr);
        show->show();
        return show;
    }
    FakeEnvironment fake;
};

TEST_F(SlideShowTest, PhotosFollowInRecordOrderTheLastStaysTwiceAndAMissingOneWaits) {
    storeEmployees(3);
    test::writePicture(employeePhotoFile(fake.folder(), 1), Qt::red);
    test::writePicture(employeePhotoFile(fake.folder(), 3), Qt::blue);
    auto show = open();
    EXPECT_EQ(show->windowTitle(), " Slide show foto dipendenti");
    EXPECT_EQ(fake.timers.interval(), 6000);
    EXPECT_TRUE(test::looksLike(show->picture(), waitingPicture()));
    const auto next = [&] {
        EXPECT_TRUE(fake.timers.tick());
        return show->picture();
    };
    EXPECT_TRUE(test::showsColour(next(), Qt::red));
    EXPECT_TRUE(test::looksLike(next(), waitingPicture()));
    EXPECT_TRUE(test::showsColour(next(), Qt::blue));
    EXPECT_TRUE(test::showsColour(next(), Qt::blue));  // the last one, one interval more
    EXPECT_TRUE(test::showsColour(next(), Qt::red));
    EXPECT_TRUE(fake.messages.shown.empty());

    // a click closes the show and its timer; the next opening starts again from the first
    QTest::mouseClick(show.get(), Qt::LeftButton);
    EXPECT_FALSE(show->isVisible());
    EXPECT_FALSE(fake.timers.running());
    auto again = open();
    EXPECT_TRUE(test::looksLike(again->picture(), waitingPicture()));
    EXPECT_TRUE(fake.timers.tick());
    EXPECT_TRUE(test::showsColour(again->picture(), Qt::red));
}

TEST_F(SlideShowTest, APhoneCameraPhotoPutInTheFolderByHandIsShown) {
    storeEmployees(1);
    test::writePicture(employeePhotoFile(fake.folder(), 1), Qt::red, {6000, 8000});
    auto show = open();
    EXPECT_TRUE(fake.timers.tick());
    EXPECT_TRUE(test::showsColour(show->picture(), Qt::red));
}

TEST_F(SlideShowTest, AnEmptyArchiveSaysSoAndCloses) {
    auto show = open();
    EXPECT_TRUE(test::looksLike(show->picture(), waitingPicture()));
    EXPECT_TRUE(fake.timers.tick());
    EXPECT_EQ(fake.messages.texts(), QStringList{"L'archivio non contiene nessuna scheda."});
    EXPECT_FALSE(show->isVisible());
    EXPECT_FALSE(fake.timers.running());
    EXPECT_TRUE(fs::exists(fake.folder() / kEmployeesFile));  // created, empty
}

TEST_F(SlideShowTest, AnUnreachableArchiveIsReportedAndTheShowGoesOn) {
    fs::create_directories(fake.folder() / kEmployeesFile);
    auto show = open();
    EXPECT_TRUE(fake.timers.tick());
    EXPECT_EQ(fake.messages.last().kind, "error");
    EXPECT_TRUE(fake.timers.running());
    EXPECT_TRUE(show->isVisible());
}

TEST(ZoomTest, ShowsThePhotoAndAClickCloses) {
    FakeEnvironment fake;
    TfrmZoom zoom(nullptr, test::solidPicture(Qt::red));
    zoom.show();
    EXPECT_EQ(zoom.windowTitle(), " Fai clic sulla foto per chiudere questa finestra");
    EXPECT_TRUE(test::showsColour(zoom.photo(), Qt::red));
    QTest::mouseClick(zoom.findChild<QWidget*>("imgFoto"), Qt::LeftButton);
    EXPECT_FALSE(zoom.isVisible());
}

}  // namespace
}  // namespace custovia
