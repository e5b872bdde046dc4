#pragma once

#include "EZS000.h"

// The instructors' assignments of a period, each instructor's followed by
// a yellow subtotal row with their number of assignments; the footer
// counts the assignments, never the subtotal rows.
class TfrmECS120 : public TfrmEZS000
{
    Q_OBJECT

public:
    explicit TfrmECS120(QWidget *parent = nullptr);
};
