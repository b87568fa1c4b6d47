#include "uSLU.h"
