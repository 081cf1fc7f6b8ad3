#pragma once
// CoreText and ErrorText live with the catalogues, which the converter shares.
#include "translations/core_text.h"
