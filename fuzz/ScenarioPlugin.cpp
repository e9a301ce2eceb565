// A plug-in with two plain pages in place of the real ones: a scenario's objects are looked
// up on them. Same entry points as the real plug-in.
#include "WizardPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStringList>
#include <QTranslator>

#define BREVANE_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

Text nameOf(const QString &identifier)
{
    Text name;
    name.setText(Text::German, identifier);
    return name;
}

class PlainPage : public WizardPage
{
public:
    explicit PlainPage(const QString &identifier) : m_identifier(identifier)
    {
        auto *button = new QPushButton(QStringLiteral("Ein"), this);
        button->setObjectName(QStringLiteral("ToolButtonEin"));
        auto *toggle = new QPushButton(QStringLiteral("Freigabe"), this);
        toggle->setObjectName(QStringLiteral("ToolButtonFreigabe"));
        toggle->setCheckable(true);
        (new QCheckBox(this))->setObjectName(QStringLiteral("checkBox"));
        (new QLineEdit(this))->setObjectName(QStringLiteral("lineEdit"));
        (new QSpinBox(this))->setObjectName(QStringLiteral("spinBox"));
        auto *choice = new QComboBox(this);
        choice->setObjectName(QStringLiteral("comboBox"));
        choice->addItems({QStringLiteral("a"), QStringLiteral("b")});
        auto *group = new QGroupBox(this);
        group->setObjectName(QStringLiteral("group"));
        (new QPushButton(group))->setObjectName(QStringLiteral("button"));
    }

    QString identifier() const override { return m_identifier; }
    Text name() const override { return nameOf(m_identifier); }

private:
    QString m_identifier;
};

const QStringList pages = {QStringLiteral("AppSatDriveBased"), QStringLiteral("SteuertafelTippen")};

} // namespace

BREVANE_EXPORT QString containerNameFunction()
{
    return QStringLiteral("Brevane");
}

BREVANE_EXPORT QStringList contentFunction()
{
    return pages;
}

BREVANE_EXPORT QStringList staticContentFunction()
{
    return {};
}

BREVANE_EXPORT WizardPage *createWizardPageFunction(const QString &identifier)
{
    return pages.contains(identifier) ? new PlainPage(identifier) : nullptr;
}

BREVANE_EXPORT Text wizardPageNameFunction(const QString &identifier)
{
    return nameOf(identifier);
}

BREVANE_EXPORT QTranslator *translator(int)
{
    return nullptr;
}
