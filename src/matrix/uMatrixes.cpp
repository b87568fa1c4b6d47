#include "uMatrixes.h"
