#pragma once

#include <QWidget>

class QLabel;

// The about window: a picture, the product name with a welcome, a line about the program and a
// contact line.
class frmAbout : public QWidget
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);

private:
    QLabel *Picture1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
};
