// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "FakeServices.h"

// The services of the test program's application object: the error box of the default handler
// records here what reached it (Errors), so a test can see that an error raised inside an
// event handler was caught at our own boundary.
TFakeServices& AppServices();
