#include "uPrimer.h"
