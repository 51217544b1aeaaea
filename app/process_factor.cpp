#include "app/process_factor.h"

namespace wagelyn::process {
double TakeHomeFactor = 0.0;  // the load handler sets it before anything reads it
}  // namespace wagelyn::process
