#pragma once

#include <QLineEdit>

// The host's line edit.
class LineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit LineEdit(QWidget *parent = nullptr);
};
