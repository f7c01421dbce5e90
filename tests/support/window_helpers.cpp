#include "window_helpers.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

namespace custovia::test {

void openModalFrom(QAbstractButton* button, const std::function<void(QDialog*)>& look) {
    ASSERT_NE(button, nullptr);
    bool seen = false;
    // the timer ends with this call: a click that opens nothing leaves no look behind
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!window) return;
        seen = true;
        look(window);
        if (window->isVisible()) window->reject();
    });
    timer.start(0);
    button->click();
    EXPECT_TRUE(seen) << button->objectName().toStdString() << " opened no modal window";
}

CardConfig bareCardEditor(const QString& objectName, const QString& tag, const std::string& archiveFile,
                          const RecordLayout& layout) {
    CardConfig c;
    c.objectName = objectName;
    c.areaTag = tag;
    c.archiveFile = archiveFile;
    c.layout = &layout;
    for (std::size_t i = 0; i < layout.fieldCount(); ++i) {
        const RecordField& f = layout.field(i);
        const QString name = QString::fromStdString(f.name);
        const FieldControl control = f.kind == FieldKind::Flag ? FieldControl::Check
                                     : name.startsWith("lbl")  ? FieldControl::Hidden
                                                               : FieldControl::Edit;
        c.fields.push_back({name, "", control, NoRule, int(i), 0});
    }
    c.toolbar = {{"lblPosizione", "", "", ""}};
    return c;
}

}  // namespace custovia::test
