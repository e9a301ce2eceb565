#include "SvgWidget.h"

SvgWidget::SvgWidget(QWidget *parent) : QSvgWidget(parent) {}

void SvgWidget::setFileName(const QString &fileName)
{
    if (fileName == m_fileName)
        return;
    m_fileName = fileName;
    load(fileName);
}
