// Built as a source of the support library, this must fail: its own headers
// are found, the component library's are out of its reach.
#include "support/userfile.h"
#include "TovaUi/function/message.h"
