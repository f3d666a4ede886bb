#pragma once

#include <QMainWindow>

class QLabel;
class QPlainTextEdit;

// Shows the loader's report on one file: what it holds, what is wrong with
// it, which port a download would use, and that nothing was sent.
class RxLoadWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit RxLoadWindow(QWidget* parent = nullptr);

    void check(const QString& path);
    // Asks for a file and checks it; a cancelled dialog changes nothing.
    void chooseFile();

private:
    QString path_;
    QLabel* headline_ = nullptr;
    QLabel* nothingSent_ = nullptr;
    QPlainTextEdit* report_ = nullptr;
};
