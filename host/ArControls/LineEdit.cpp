#include "LineEdit.h"

LineEdit::LineEdit(QWidget *parent) : QLineEdit(parent) {}
