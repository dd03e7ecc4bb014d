#pragma once

#include "tovrik/windows/FormDrill.h"

// The drill of the multiplication table: multiplications and the matching exact divisions.
class Form1 : public FormDrill
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);
};
