#pragma once

// The one header a caller of the Quirepress report engine includes.

#include <quirepress/Error.h>
