#include "printer_info.h"

CPrinterInfo::~CPrinterInfo() = default;
