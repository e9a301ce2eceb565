#pragma once

// Every page class the registry can create.
#include "WizardPage.h"
