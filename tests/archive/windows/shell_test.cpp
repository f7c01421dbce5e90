#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>
#include <QUrlQuery>

#include "archive/shell.h"
#include "archive/windows/PictureButton.h"
#include "archive/windows/RealEnvironment.h"

namespace custovia {
namespace {

TEST(Shell, AddressesLinksAndFilesReachTheDesktopWhole) {
    const QUrl wa = shellUrl(whatsAppAddress("3471234567", "A & B #1 + 50%"));
    EXPECT_EQ(wa.scheme(), "https");
    EXPECT_EQ(wa.host(), "web.whatsapp.com");
    EXPECT_EQ(wa.path(), "/send");
    EXPECT_EQ(wa.fragment(), "");
    const QUrlQuery query(wa);
    EXPECT_EQ(query.queryItemValue("phone"), "3471234567");
    EXPECT_EQ(query.queryItemValue("text", QUrl::FullyDecoded), "A & B #1 + 50%");

    EXPECT_EQ(shellUrl(mailtoLink("  info@example.it ")).toString(), "mailto:info@example.it");
    const QUrl file = shellUrl(quotedPath("/opt/Custovia/Documenti_Allegati/verbale del 3 marzo.pdf"));
    EXPECT_TRUE(file.isLocalFile());
    EXPECT_EQ(file.toLocalFile(), "/opt/Custovia/Documenti_Allegati/verbale del 3 marzo.pdf");
}

TEST(Shell, MessageParagraphsAreShownWithOneEmptyLine) {
    EXPECT_EQ(displayText("uno\r\n\r\ndue"), "uno\n\ndue");
    EXPECT_EQ(displayText("uno\n\r\n\rdue"), "uno\n\ndue");
}

TEST(Shell, LinkTurnsOrangeWhilePressedAndClicks) {
    LinkLabel link("lnkWeb", "www.custovia.it", nullptr);
    int clicks = 0;
    QObject::connect(&link, &LinkLabel::clicked, [&] { ++clicks; });
    EXPECT_TRUE(link.styleSheet().contains("#00008B"));
    EXPECT_TRUE(link.styleSheet().contains("underline"));
    link.resize(120, 20);
    QTest::mousePress(&link, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(link.styleSheet().contains("#FFA500"));
    QTest::mouseRelease(&link, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(link.styleSheet().contains("#00008B"));
    EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace custovia
