#include "device/protocol/printer_info.h"

CPrinterInfo::~CPrinterInfo() = default;
