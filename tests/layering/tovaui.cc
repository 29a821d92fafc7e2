// Built as a source of the component library, this must fail: its own
// headers are found, the application's are out of its reach.
#include "textarea/windowmap.h"
#include "data/global.h"
