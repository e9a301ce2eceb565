#pragma once

// Codes the host hands over as plain numbers: device type, fieldbus, language, parameter
// property and data type. The host's headers do not name them, so the pages do it here.
namespace HostCode {

// Drive controller models (eDeviceType); 4 to 7 are the further models, which the pages
// that tell them apart compare by number.
constexpr int DeviceKM2 = 3;
constexpr int DeviceKQ2 = 8;

// Fieldbus of the drive (eFieldbusType).
constexpr int FieldbusEtherCAT = 1;
constexpr int FieldbusCANopen = 2;
constexpr int FieldbusPROFINET = 3;
constexpr int FieldbusEtherNetIP = 5;

// Languages of a Text and of translator().
constexpr int LanguageGerman = 1;
constexpr int LanguageEnglish = 2;
constexpr int LanguageFrench = 3;

// Parameter properties (ParameterObject::property, ParameterInformation::hasProperty).
constexpr int PropertyLowerLimit = 8;
constexpr int PropertyUpperLimit = 9;
constexpr int PropertySelectionTexts = 17;

// Data types as ParameterInformation::dataType() reports them.
constexpr unsigned short DataTypeInt8 = 2;
constexpr unsigned short DataTypeInt16 = 3;
constexpr unsigned short DataTypeInt32 = 4;
constexpr unsigned short DataTypeReal32 = 8;

} // namespace HostCode
