#pragma once

#include <QComboBox>

// The host's combo box.
class ComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit ComboBox(QWidget *parent = nullptr);
};
