#pragma once
// Opens a page or a document in the user's browser; a failure is told in a
// box, which names a local page so that the user can open it by hand.
#include <string>

#include "platform/Platform.h"

void OpenInBrowser(Platform& platform, const std::string& target);
