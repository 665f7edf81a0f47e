#pragma once

#include <string>

// Now, as the user's locale writes a short date and a long time, the time without its zone:
// the moment a saved stats file's header names.
std::string CurrentDateTimeText();
