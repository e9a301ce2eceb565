#include "ComboBox.h"

ComboBox::ComboBox(QWidget *parent) : QComboBox(parent) {}
