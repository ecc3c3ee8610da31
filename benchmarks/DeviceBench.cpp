#include "DeviceBench.h"

void runDeviceBenchmarks()
{
}
