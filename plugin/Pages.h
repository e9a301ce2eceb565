#pragma once

// Every page class the registry can create.
#include "WizardPage.h"
#include "AnalogOutput1.h"
#include "AnalogOutput2.h"
#include "AppFahrsatzControl.h"
#include "AppSatDriveBased.h"
#include "DbmFeldbus.h"
#include "DbmQuellen.h"
#include "DbmUebersicht.h"
#include "DbmVisibility.h"
#include "DbmZusatzfunktionen.h"
#include "DbmZusatzfunktionenV2.h"
#include "Fahrsatz.h"
#include "Folgefahrsatz.h"
#include "Fahrsatzbetrieb.h"
