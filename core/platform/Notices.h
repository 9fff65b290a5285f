#pragma once

// The notices service is shared vocabulary and lives in core/model; this name stays for the code that includes it
// from here.
#include "core/model/Notices.h"
