#pragma once

#include "tovrik/windows/FormDrill.h"

// The drill of addition and subtraction within 1000.
class Form7 : public FormDrill
{
    Q_OBJECT

public:
    explicit Form7(QWidget *parent = nullptr);
};
