// Linux and the other systems Qt SerialPort knows: its list of serial
// devices, numbered in the order a user counts them.
#ifndef _WIN32
#include <QSerialPortInfo>

#include "link/port_names.h"

namespace wrk7::link {

ComTable SystemComTable() {
    std::vector<std::string> devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        devices.push_back(info.systemLocation().toStdString());
    return ComTableInOrder(std::move(devices));
}

}  // namespace wrk7::link
#endif  // _WIN32
