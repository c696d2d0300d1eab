#include "tables/tables.h"
