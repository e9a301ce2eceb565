#pragma once

// Drive controller models as the host reports them.
enum eDeviceType : int {
    eDeviceTypeUnknown = 0,
    eDeviceTypeKM2 = 3,
    eDeviceTypeKN2 = 4,
    eDeviceTypeKP2 = 5,
    eDeviceTypeKT2 = 6,
    eDeviceTypeKS2 = 7,
    eDeviceTypeKQ2 = 8,
};

// Fieldbus of the drive as the host reports it.
enum eFieldbusType : int {
    eFieldbusNone = 0,
    eFieldbusEtherCAT = 1,
    eFieldbusCANopen = 2,
    eFieldbusPROFINET = 3,
    eFieldbusEtherNetIP = 5,
};
