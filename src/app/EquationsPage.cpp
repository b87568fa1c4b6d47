#include "EquationsPage.h"
