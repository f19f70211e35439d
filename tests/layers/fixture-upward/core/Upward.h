#pragma once
// A core header that reaches up into app/: the check must name it.
#include "app/FormaMain.h"
