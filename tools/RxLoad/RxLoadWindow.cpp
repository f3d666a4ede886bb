#include "RxLoadWindow.h"

#include "Loader.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

RxLoadWindow::RxLoadWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("RxLoadWindow"));
    setWindowTitle(QStringLiteral("RxLoad - Keypad Loader"));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    headline_ = new QLabel(central);
    headline_->setObjectName(QStringLiteral("lblHeadline"));
    headline_->setWordWrap(true);
    QFont bold = headline_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    headline_->setFont(bold);
    layout->addWidget(headline_);

    nothingSent_ = new QLabel(nothingSentText(), central);
    nothingSent_->setObjectName(QStringLiteral("lblNothingSent"));
    nothingSent_->setWordWrap(true);
    QFont strong = nothingSent_->font();
    strong.setBold(true);
    nothingSent_->setFont(strong);
    layout->addWidget(nothingSent_);

    report_ = new QPlainTextEdit(central);
    report_->setObjectName(QStringLiteral("edReport"));
    report_->setReadOnly(true);
    report_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    report_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(report_, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* open = new QPushButton(QStringLiteral("Open..."), central);
    open->setObjectName(QStringLiteral("btnOpen"));
    connect(open, &QPushButton::clicked, this, &RxLoadWindow::chooseFile);
    buttons->addWidget(open);
    auto* again = new QPushButton(QStringLiteral("Check Again"), central);
    again->setObjectName(QStringLiteral("btnCheckAgain"));
    connect(again, &QPushButton::clicked, this, [this] { check(path_); });
    buttons->addWidget(again);
    auto* close = new QPushButton(QStringLiteral("Close"), central);
    close->setObjectName(QStringLiteral("btnClose"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    setCentralWidget(central);
    resize(900, 640);
}

void RxLoadWindow::check(const QString& path)
{
    path_ = path;
    const LoadCheck result = checkFile(path);
    headline_->setText(result.headline());
    headline_->setStyleSheet(result.exitStatus() == 0 ? QStringLiteral("color: rgb(0, 128, 0);")
                                                      : QStringLiteral("color: rgb(192, 0, 0);"));
    report_->setPlainText(result.text());
    if (!path.isEmpty())
        setWindowTitle(QStringLiteral("RxLoad - %1").arg(QFileInfo(path).fileName()));
}

void RxLoadWindow::chooseFile()
{
    const QString start = path_.isEmpty() ? QString() : QFileInfo(path_).absolutePath();
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Choose the File to Download"), start,
        QStringLiteral("Keypad files (*.hex *.rom);;Download images (*.hex);;ROM files "
                       "(*.rom);;All files (*)"));
    if (!path.isEmpty())
        check(path);
}
