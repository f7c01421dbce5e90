#include "app/windows/TfrmGuida.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>
#include <QVBoxLayout>

#include "archive/shell.h"
#include "archive/windows/FieldBehaviour.h"
#include "archive/windows/PictureButton.h"
#include "archive/windows/qt_text.h"

namespace custovia {
namespace {

const QString kPdfLink = QStringLiteral("Visualizza guida in formato PDF");

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TfrmGuida::TfrmGuida(Environment& env, QWidget* parent) : QDialog(parent), env_(env) {
    setObjectName(QStringLiteral("TfrmGuida"));
    setWindowTitle(QStringLiteral(" Guida all'utilizzo del software"));

    // the title strip says which help this is
    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("panTitolo"));
    strip->setAttribute(Qt::WA_StyledBackground);
    strip->setStyleSheet(QStringLiteral("#panTitolo { background-color: #1F3F66; border-radius: 4px; }"));
    auto* icon = new QLabel(strip);
    icon->setPixmap(QIcon(pictureResource("guida")).pixmap(36, 36));
    lblTitolo_ = new QLabel(QStringLiteral("Argomento della guida."), strip);
    lblTitolo_->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo_->setFont(QFont(QStringLiteral("Verdana"), 14, QFont::Bold));
    lblTitolo_->setStyleSheet(QStringLiteral("color: white;"));
    lblTitolo_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* stripRow = new QHBoxLayout(strip);
    stripRow->setContentsMargins(10, 6, 10, 6);
    stripRow->addWidget(icon);
    stripRow->addWidget(lblTitolo_, 1);

    txtGuida_ = new QTextBrowser(this);
    txtGuida_->setObjectName(QStringLiteral("txtGuida"));
    txtGuida_->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));
    txtGuida_->setLineWrapMode(QTextEdit::WidgetWidth);
    txtGuida_->setOpenLinks(false);
    // a reader: scroll, select and copy with the mouse or the keyboard, never edit
    txtGuida_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtGuida_->document()->setDocumentMargin(10);
    lblTitolo_->setBuddy(txtGuida_);

    auto* imgPDF = new PictureButton(QStringLiteral("imgPDF"), pictureResource("pdf"),
                                     QStringLiteral("Guida in PDF"), kPdfLink, this, QSize(32, 32));
    auto* lnkWeb = new LinkLabel(QStringLiteral("lnkWeb"), kPdfLink, this);
    lnkWeb->setToolTip(kPdfLink);
    auto* btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setAutoDefault(false);
    btnChiudi->setMinimumWidth(100);
    connect(imgPDF, &QToolButton::clicked, this, &TfrmGuida::openUserGuide);
    connect(lnkWeb, &LinkLabel::clicked, this, &TfrmGuida::openUserGuide);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(imgPDF);
    bottom->addWidget(lnkWeb);
    bottom->addStretch();
    bottom->addWidget(btnChiudi);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(12, 12, 12, 12);
    column->addWidget(strip);
    column->addWidget(txtGuida_, 1);
    column->addLayout(bottom);
    makeFixedWindow(this, QSize(670, 572));
}

void TfrmGuida::setHelp(const QString& title, const QString& body) {
    lblTitolo_->setText(title);
    body_ = body;
    // CR LF CR LF between paragraphs: one empty line in the reader
    QString shown = body;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    txtGuida_->setPlainText(shown);
    txtGuida_->setAccessibleName(title);
}

void TfrmGuida::setTopic(HelpTopic topic) {
    const HelpPage page = helpPage(topic);
    setHelp(fromStd(page.title), fromStd(page.body()));
}

void TfrmGuida::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    txtGuida_->moveCursor(QTextCursor::Start);
    txtGuida_->setFocus(Qt::OtherFocusReason);
}

void TfrmGuida::openUserGuide() { env_.shell.open(quotedPath(env_.deliveredFile(kUserGuideFile))); }

void TfrmGuida::open(Environment& env, QWidget* parent, HelpTopic topic) {
    TfrmGuida window(env, parent);
    window.setTopic(topic);
    window.exec();
}

}  // namespace custovia
