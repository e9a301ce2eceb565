#include "ParameterProvider.h"

ParameterInformation::~ParameterInformation() = default;
ParameterObject::~ParameterObject() = default;
ParameterProvider::~ParameterProvider() = default;
