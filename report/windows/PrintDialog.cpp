#include "report/windows/PrintDialog.h"
#include "archive/windows/qt_text.h"

#include <QFont>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSvgRenderer>
#include <QVBoxLayout>

namespace custovia::report {
namespace {

constexpr int kPictureSide = 96;

QLabel* textLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

PrintDialogSetup printSetup(QString objectName, QString caption, std::string templateName) {
    PrintDialogSetup s;
    s.objectName = std::move(objectName);
    s.caption = std::move(caption);
    s.templateName = std::move(templateName);
    s.heading = kPrintHeading;
    s.texts = kPrintTexts;
    return s;
}

PrintDialogSetup previewSetup(QString objectName, std::string templateName) {
    PrintDialogSetup s;
    s.objectName = std::move(objectName);
    s.caption = QStringLiteral(" Anteprima di stampa");
    s.templateName = std::move(templateName);
    s.action = PrintAction::Preview;
    s.actionButton = QStringLiteral("cmdAnteprima");
    s.actionText = QStringLiteral("Mostra anteprima");
    s.heading = kPreviewHeading;
    s.texts = kPreviewTexts;
    s.picture = pictureResource("anteprima");
    return s;
}

PrintDialog::PrintDialog(QWidget* owner, Environment& env, PrintDialogSetup setup, FillReport fill)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      env_(env),
      setup_(std::move(setup)),
      fill_(std::move(fill)) {
    setObjectName(setup_.objectName);
    setWindowTitle(setup_.caption);
    setModal(true);
    setFixedSize(setup_.size);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgStampa"));
    picture->setFixedSize(kPictureSide, kPictureSide);
    buildPicture(picture);

    auto* words = new QVBoxLayout;
    if (!setup_.heading.isEmpty()) {
        QLabel* heading = textLabel(this, QStringLiteral("lblTitolo"), setup_.heading);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        words->addWidget(heading);
    }
    for (int i = 0; i < setup_.texts.size(); ++i)
        words->addWidget(textLabel(this, QStringLiteral("lblTesto%1").arg(i + 1), setup_.texts[i]));
    words->addStretch();

    auto* cancel = new QPushButton(QStringLiteral("Annulla"), this);
    cancel->setObjectName(setup_.cancelButton);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* action = new QPushButton(setup_.actionText, this);
    action->setObjectName(setup_.actionButton);
    action->setDefault(true);
    connect(action, &QPushButton::clicked, this, &PrintDialog::cmdStampaClick);

    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addLayout(words, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(action);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
}

void PrintDialog::buildPicture(QLabel* picture) const {
    // the picture explains, it is not needed: a missing one leaves the space empty
    QSvgRenderer svg(setup_.picture);
    if (!svg.isValid()) {
        picture->setPixmap(
            QPixmap(setup_.picture).scaled(picture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
        return;
    }
    const qreal ratio = picture->devicePixelRatioF();
    QPixmap pixmap(picture->size() * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const QSizeF size = QSizeF(svg.defaultSize()).scaled(picture->size(), Qt::KeepAspectRatio);
    svg.render(&painter, QRectF(QPointF(0, 0), size));
    painter.end();
    picture->setPixmap(pixmap);
}

void PrintDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    QRect around = owner ? owner->frameGeometry() : QRect();
    if (!owner && QGuiApplication::primaryScreen())
        around = QGuiApplication::primaryScreen()->availableGeometry();
    if (around.isValid()) move(around.center() - QPoint(width() / 2, height() / 2));
}

void PrintDialog::cmdStampaClick() {
    printOrPreview();
    accept();  // the window closes after printing or previewing, and after a failure
}

void PrintDialog::printOrPreview() {
    try {
        Report report = Report::fromResource(setup_.templateName);
        report.layout().setOrientation(0, Orientation::Portrait);
        fill_(report);
        report.prepare();
        if (setup_.action == PrintAction::Print)
            report.print(this, env_.printDialogs);
        else
            report.preview(this, env_.printDialogs);
    } catch (const std::exception& failure) {
        if (setup_.failureWarning.isEmpty())
            env_.messages.error(this, printFailureMessage(failure));
        else
            env_.messages.warning(this, setup_.failureWarning);
    }
}

}  // namespace custovia::report
