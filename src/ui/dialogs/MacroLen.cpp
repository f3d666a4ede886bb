#include "ui/dialogs/MacroLen.h"

#include <QApplication>
#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int FirstParagraphLines = 3;
}

const QStringList& TfrmMacroLenWarning::MessageLines()
{
    static const QStringList lines{
        tr("In Line Edit mode only the first character in each "),
        tr("macro is used (unless you have an ALPHA shift"),
        tr("key).  Any other macro data is ignored."),
        QString(),
        tr("If Line Edit Character Translation is enabled, then "),
        tr("the first character is transmitted to the host and the "),
        tr("second character, if present, is shown on the LCD."),
    };
    return lines;
}

TfrmMacroLenWarning::TfrmMacroLenWarning(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmMacroLenWarning"));
    setWindowTitle(tr("Macro Length Warning"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);
    // It appears while the user types into the grid: the typing goes on there.
    setAttribute(Qt::WA_ShowWithoutActivating);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(40, 40));
    Image1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    // Read-only text in the window's own colour, without a border.
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setFocusPolicy(Qt::NoFocus);
    Memo1->setTextInteractionFlags(Qt::NoTextInteraction);
    Memo1->viewport()->setAutoFillBackground(false);
    Memo1->setStyleSheet(QStringLiteral("QPlainTextEdit { background: transparent; }"));
    Memo1->document()->setDocumentMargin(0);
    int textWidth = 0;
    const QFontMetrics metrics(Memo1->font());
    for (const QString& line : MessageLines())
        textWidth = std::max(textWidth, metrics.horizontalAdvance(line));
    Memo1->setFixedWidth(textWidth + 8);

    CheckBox1 = new QCheckBox(tr("Don't show this message again"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));

    BitBtn1 = new QPushButton(tr("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn1->setMinimumWidth(88);
    connect(BitBtn1, &QPushButton::clicked, this, &TfrmMacroLenWarning::BitBtn1Click);

    auto* message = new QHBoxLayout;
    message->setSpacing(14);
    message->addWidget(Image1, 0, Qt::AlignTop);
    message->addWidget(Memo1, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(CheckBox1);
    bottom->addStretch(1);
    bottom->addWidget(BitBtn1);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(16, 16, 16, 12);
    outer->setSpacing(14);
    outer->addLayout(message);
    outer->addLayout(bottom);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    setLineCount(FirstParagraphLines);
}

void TfrmMacroLenWarning::setLineCount(int lineCount)
{
    Memo1->setPlainText(MessageLines().mid(0, lineCount).join(QLatin1Char('\n')));
    // Sized to exactly the lines it shows.
    const QFontMetrics metrics(Memo1->font());
    Memo1->setFixedHeight(lineCount * metrics.lineSpacing() + 6);
}

void TfrmMacroLenWarning::ShowWarning(bool wholeText)
{
    // The window being typed into keeps the keyboard, also on systems that
    // activate every new window whatever it asks for.
    QWidget* typing = QApplication::activeWindow();
    setLineCount(wholeText ? static_cast<int>(MessageLines().size()) : FirstParagraphLines);
    if (isHidden())
        show();
    raise();
    if (typing && typing != this)
        typing->activateWindow();
}

void TfrmMacroLenWarning::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    adjustSize();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (parentWidget() && parentWidget()->screen())
        screen = parentWidget()->screen();
    if (screen) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TfrmMacroLenWarning::BitBtn1Click()
{
    if (CheckBox1->isChecked() && !fWarningTurnedOff) {
        fWarningTurnedOff = true;
        Q_EMIT warningTurnedOff();
    }
    close();
}
