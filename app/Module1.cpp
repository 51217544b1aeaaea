#include "app/Module1.h"

namespace Module1 {
double TakeHomeFactor = 0.0;  // the load handler sets it before anything reads it
}  // namespace Module1
