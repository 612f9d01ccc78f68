#pragma once
#include <QStringList>

#include "diagnostics/port_doctor.h"

namespace wrk7::report {

// The port doctor's findings as `wrk7 ports` prints them and a problem
// report keeps them: a device a paragraph, each trouble with its remedy.
QStringList PortReportLines(const diagnostics::PortReport& report);

}  // namespace wrk7::report
