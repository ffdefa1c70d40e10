#pragma once

// Everything the calculation takes from the platform layer, in one place: checked arithmetic, the
// faults it raises, number reading and pattern formatting.
#include "platform/calculation_fault.h"
#include "platform/checked_arithmetic.h"
#include "platform/number_format.h"
#include "platform/number_reading.h"
