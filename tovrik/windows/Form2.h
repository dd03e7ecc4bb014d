#pragma once

#include "tovrik/windows/FormDrill.h"

// The drill of addition and subtraction within 100.
class Form2 : public FormDrill
{
    Q_OBJECT

public:
    explicit Form2(QWidget *parent = nullptr);
};
