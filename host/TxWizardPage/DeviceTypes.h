#pragma once

// Drive controller models as the host reports them. The host promises only the numbers
// (3 KM2, 8 KQ2, 4 to 7 the further models): the names are the stand-in's own.
enum eDeviceType : int {
    // stand-in extra {
    eDeviceTypeUnknown = 0,
    eDeviceTypeKM2 = 3,
    eDeviceTypeKN2 = 4,
    eDeviceTypeKP2 = 5,
    eDeviceTypeKT2 = 6,
    eDeviceTypeKS2 = 7,
    eDeviceTypeKQ2 = 8,
    // } stand-in extra
};

// Fieldbus of the drive as the host reports it: 1 EtherCAT, 2 CANopen, 3 PROFINET,
// 5 EtherNet/IP. Again only the numbers are the host's.
enum eFieldbusType : int {
    // stand-in extra {
    eFieldbusNone = 0,
    eFieldbusEtherCAT = 1,
    eFieldbusCANopen = 2,
    eFieldbusPROFINET = 3,
    eFieldbusEtherNetIP = 5,
    // } stand-in extra
};
