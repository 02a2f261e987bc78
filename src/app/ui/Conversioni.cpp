#include "app/ui/Conversioni.h"
