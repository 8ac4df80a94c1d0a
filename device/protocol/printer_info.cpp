#include "device/protocol/printer_info.h"

namespace orvik::device {

CPrinterInfo::~CPrinterInfo() = default;

}  // namespace orvik::device
