#include "WizardPageHost.h"

WizardPageHost::~WizardPageHost() = default;

void WizardPageHost::showParameterHelp(const QString &) {}
