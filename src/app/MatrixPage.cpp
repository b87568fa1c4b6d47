#include "MatrixPage.h"
