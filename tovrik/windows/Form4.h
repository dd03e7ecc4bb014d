#pragma once

#include "tovrik/windows/FormDrill.h"

// The mixed drill: the questions of Form1 and Form2 alike.
class Form4 : public FormDrill
{
    Q_OBJECT

public:
    explicit Form4(QWidget *parent = nullptr);
};
