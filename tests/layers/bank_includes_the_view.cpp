// Compiled as part of the bank's layer, which lies below the view: the include
// must not resolve, so that a climbing include stops the build.
#include "view/form_view.h"
